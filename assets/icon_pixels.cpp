// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// Build step: turns one of the icon's PNGs into its bare pixels (RGBA, 8 bits a channel,
// row by row), which the program builds in. Reading a PNG at run time would make Qt load
// every image-format plugin on the machine before the first window shows.
#include <QFile>
#include <QImage>
#include <cstdio>

int main(int argc, char *argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: icon_pixels <in.png> <out.rgba>\n");
        return 2;
    }
    const QImage image =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGBA8888);
    if (image.isNull() || image.width() != image.height()) {
        std::fprintf(stderr, "icon_pixels: %s is not a square picture\n", argv[1]);
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly))
        return 1;
    for (int y = 0; y < image.height(); ++y)
        out.write(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 4);
    return out.flush() ? 0 : 1;
}
