// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Register the fonts built into the program and map the face names the screens ask for
// ("Comic Sans MS", "Arial") onto them, so every machine shows the same letters. Each is
// safe to call more than once.

// The handwriting face, upright: all that the start menu and the information window use.
void loadComicFonts();
// Every font, the exercise screens' italics and frame captions ("Arial") included. Parsing fonts
// takes time, so the start menu, which needs only the handwriting face, loads just that one.
void loadProgramFonts();

// The face names the screens use.
inline constexpr const char *kComicFace = "Comic Sans MS";
inline constexpr const char *kArialFace = "Arial";
