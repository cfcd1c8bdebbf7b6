// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program_icon.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>

QIcon programIcon() {
    // The menu's SVG drawn at the sizes desktops ask for most (tools/make-icons), built in
    // as bare pixels: no SVG library and no image reader to load at start.
    QIcon icon;
    QDirIterator pictures(QStringLiteral(":/icons"), {QStringLiteral("*.rgba")});
    while (pictures.hasNext()) {
        QFile file(pictures.next());
        const int side = QFileInfo(file).baseName().toInt();
        if (side <= 0 || !file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray pixels = file.readAll();
        if (pixels.size() != side * side * 4)
            continue;
        const QImage image(reinterpret_cast<const uchar *>(pixels.constData()), side, side,
                           side * 4, QImage::Format_RGBA8888);
        // Converted into an image of its own: the pixels' buffer goes when the loop turns.
        icon.addPixmap(
            QPixmap::fromImage(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)));
    }
    return icon;
}
