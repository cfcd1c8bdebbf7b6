#include "fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <initializer_list>

namespace {
void registerFonts(const char *face, const char *embedded,
                   std::initializer_list<const char *> files) {
    for (const char *file : files)
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    QFont::insertSubstitution(QString::fromLatin1(face), QString::fromLatin1(embedded));
}
} // namespace

void loadComicFonts() {
    static const bool loaded = [] {
        registerFonts(kComicFace, "Comic Neue",
                      {":/fonts/ComicNeue-Regular.otf", ":/fonts/ComicNeue-Bold.otf"});
        return true;
    }();
    (void)loaded;
}

void loadProgramFonts() {
    loadComicFonts();
    static const bool loaded = [] {
        registerFonts(kComicFace, "Comic Neue", {":/fonts/ComicNeue-Italic.otf"});
        registerFonts(kArialFace, "Liberation Sans",
                      {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"});
        return true;
    }();
    (void)loaded;
}
