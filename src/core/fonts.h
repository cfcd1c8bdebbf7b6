#pragma once

// Registers the fonts built into the program and maps the face names the screens ask for
// ("Comic Sans MS", "Arial") onto them, so every machine shows the same letters.
// Safe to call more than once.
void loadProgramFonts();

// The face names the screens use.
inline constexpr const char *kComicFace = "Comic Sans MS";
inline constexpr const char *kArialFace = "Arial";
