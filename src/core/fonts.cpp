#include "fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void loadProgramFonts() {
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    const QStringList files = {
        QStringLiteral(":/fonts/ComicNeue-Regular.otf"),
        QStringLiteral(":/fonts/ComicNeue-Bold.otf"),
        QStringLiteral(":/fonts/ComicNeue-Italic.otf"),
        QStringLiteral(":/fonts/LiberationSans-Regular.ttf"),
        QStringLiteral(":/fonts/LiberationSans-Bold.ttf"),
    };
    for (const QString &file : files)
        QFontDatabase::addApplicationFont(file);
    QFont::insertSubstitution(QString::fromLatin1(kComicFace), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QString::fromLatin1(kArialFace), QStringLiteral("Liberation Sans"));
}
