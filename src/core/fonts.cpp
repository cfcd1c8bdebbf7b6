// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <initializer_list>

#if QUIVELLE_OWN_FONT_CONFIGURATION
#include <dlfcn.h>
#include <fontconfig/fontconfig.h>
#endif

namespace {
#if QUIVELLE_OWN_FONT_CONFIGURATION
// The font configuration the program runs with: no system font directories and no rules
// but the rendering of the machine's own defaults (grey antialiasing, slight hinting) and
// the generic families pointing at the built-in faces. Everything the screens write uses
// the built-in fonts, so the system's configuration (dozens of files under /etc/fonts and
// the caches of every installed font, about a quarter of the start-up's work) buys nothing.
constexpr const char *kFontConfiguration = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <match target="pattern">
    <edit name="antialias" mode="append"><bool>true</bool></edit>
    <edit name="hintstyle" mode="append"><const>hintslight</const></edit>
    <edit name="lcdfilter" mode="append"><const>lcddefault</const></edit>
  </match>
  <alias><family>sans-serif</family><prefer><family>Liberation Sans</family><family>Comic Neue</family></prefer></alias>
  <alias><family>serif</family><prefer><family>Liberation Sans</family><family>Comic Neue</family></prefer></alias>
  <alias><family>monospace</family><prefer><family>Liberation Sans</family><family>Comic Neue</family></prefer></alias>
</fontconfig>
)";

// A desktop's GTK theme draws its own text through the system configuration, and has
// read it before the program's first line; the configuration stays theirs then.
bool systemConfigurationInUse() {
    for (const char *library : {"libgtk-3.so.0", "libpangoft2-1.0.so.0"}) {
        if (void *handle = dlopen(library, RTLD_LAZY | RTLD_NOLOAD)) {
            dlclose(handle);
            return true;
        }
    }
    return false;
}

// Makes the program's configuration the current one, before anything asks fontconfig for
// the system's. Qt registers the built-in fonts into whichever configuration is current.
void useOwnFontConfiguration() {
    static FcConfig *const own = []() -> FcConfig * {
        if (systemConfigurationInUse())
            return nullptr;
        FcConfig *config = FcConfigCreate();
        if (!config)
            return nullptr;
        if (!FcConfigParseAndLoadFromMemory(
                config, reinterpret_cast<const FcChar8 *>(kFontConfiguration), FcTrue) ||
            !FcConfigBuildFonts(config) || !FcConfigSetCurrent(config)) {
            FcConfigDestroy(config);
            return nullptr;
        }
        // Held for the whole run: the configuration stays current until the end, when Qt
        // releases the current one.
        return config;
    }();
    (void)own;
}
#else
void useOwnFontConfiguration() {}
#endif

// Loads the built-in faces and lets the family the screens ask for (face) stand for them,
// under the family the font files give themselves: the web build's cut-down copies of a
// font whose licence reserves its name carry another one.
void registerFonts(const char *face, std::initializer_list<const char *> files) {
    QString family;
    for (const char *file : files) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        if (family.isEmpty() && id >= 0)
            family = QFontDatabase::applicationFontFamilies(id).value(0);
    }
    if (!family.isEmpty())
        QFont::insertSubstitution(QString::fromLatin1(face), family);
}
} // namespace

void loadComicFonts() {
    static const bool loaded = [] {
        useOwnFontConfiguration();
        registerFonts(kComicFace, {":/fonts/ComicNeue-Regular.otf", ":/fonts/ComicNeue-Bold.otf"});
        return true;
    }();
    (void)loaded;
}

void loadProgramFonts() {
    loadComicFonts();
    static const bool loaded = [] {
        registerFonts(kComicFace, {":/fonts/ComicNeue-Italic.otf"});
        registerFonts(kArialFace,
                      {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"});
        return true;
    }();
    (void)loaded;
}
