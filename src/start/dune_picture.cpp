// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dune_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {
constexpr qreal kWidth = 634;
constexpr qreal kHeight = 455;

const QColor kSkyHigh(0x2b, 0x25, 0x6b);
const QColor kSkyMid(0x8a, 0x4f, 0x9e);
const QColor kSkyLow(0xf6, 0xa9, 0x6b);
const QColor kSandLight(0xf7, 0xa8, 0x4a);
const QColor kSandGlow(0xff, 0xcf, 0x7e);
const QColor kSandDeep(0xd9, 0x6a, 0x2a);
const QColor kShadeLight(0x6f, 0x5f, 0xb8);
const QColor kShadeDeep(0x32, 0x2a, 0x78);

// One dune: its outline from the left edge over the crest to the right edge, and the
// sharp ridge that runs down from the crest and splits the sunny face from the shade.
struct Dune {
    QPainterPath sunnyFace;
    QPainterPath shade;
};

void fillSky(QPainter &p) {
    QLinearGradient sky(0, 0, 0, 260);
    sky.setColorAt(0.0, kSkyHigh);
    sky.setColorAt(0.55, kSkyMid);
    sky.setColorAt(1.0, kSkyLow);
    p.fillRect(QRectF(0, 0, kWidth, kHeight), sky);
    // The low sun behind the far dunes, on the left, where the light comes from.
    QRadialGradient sun(QPointF(70, 235), 120);
    sun.setColorAt(0.0, QColor(0xff, 0xf1, 0xc0, 230));
    sun.setColorAt(0.25, QColor(0xff, 0xd0, 0x80, 120));
    sun.setColorAt(1.0, QColor(0xff, 0xb0, 0x60, 0));
    p.fillRect(QRectF(0, 100, 260, 200), sun);
}

void paintFarDunes(QPainter &p) {
    QPainterPath far;
    far.moveTo(0, 250);
    far.cubicTo(60, 236, 120, 218, 190, 226);
    far.cubicTo(250, 232, 300, 250, 360, 242);
    far.cubicTo(430, 232, 500, 206, 560, 214);
    far.cubicTo(600, 219, 620, 228, kWidth, 232);
    far.lineTo(kWidth, kHeight);
    far.lineTo(0, kHeight);
    far.closeSubpath();
    QLinearGradient g(0, 210, 0, 320);
    g.setColorAt(0.0, QColor(0xe3, 0x8f, 0x6a));
    g.setColorAt(1.0, QColor(0xa0, 0x5a, 0x78));
    p.fillPath(far, g);

    // Their shaded flanks, facing away from the sun.
    QPainterPath flank;
    flank.moveTo(190, 226);
    flank.cubicTo(230, 236, 260, 262, 250, 300);
    flank.lineTo(360, 300);
    flank.cubicTo(300, 270, 260, 240, 190, 226);
    flank.moveTo(560, 214);
    flank.cubicTo(590, 232, 610, 262, 600, 300);
    flank.lineTo(kWidth, 300);
    flank.lineTo(kWidth, 232);
    flank.cubicTo(620, 228, 600, 219, 560, 214);
    p.fillPath(flank, QColor(0x6a, 0x4c, 0x9a, 170));
}

Dune mainDune() {
    const QPointF crest(392, 176);
    Dune d;
    // Sunny face: the whole silhouette; the shade is painted over it.
    d.sunnyFace.moveTo(0, 330);
    d.sunnyFace.cubicTo(90, 300, 200, 236, 300, 200);
    d.sunnyFace.cubicTo(340, 186, 370, 176, crest.x(), crest.y());
    d.sunnyFace.cubicTo(440, 176, 520, 210, 580, 246);
    d.sunnyFace.cubicTo(605, 260, 622, 268, kWidth, 272);
    d.sunnyFace.lineTo(kWidth, kHeight);
    d.sunnyFace.lineTo(0, kHeight);
    d.sunnyFace.closeSubpath();

    // Shade: right of the ridge, which curls from the crest down to the foot of the dune.
    d.shade.moveTo(crest);
    d.shade.cubicTo(440, 176, 520, 210, 580, 246);
    d.shade.cubicTo(605, 260, 622, 268, kWidth, 272);
    d.shade.lineTo(kWidth, kHeight);
    d.shade.lineTo(470, kHeight);
    d.shade.cubicTo(455, 380, 470, 320, 450, 270);
    d.shade.cubicTo(435, 232, 405, 200, crest.x(), crest.y());
    d.shade.closeSubpath();
    return d;
}

Dune frontDune() {
    Dune d;
    d.sunnyFace.moveTo(0, 392);
    d.sunnyFace.cubicTo(60, 372, 110, 350, 160, 352);
    d.sunnyFace.cubicTo(200, 354, 230, 372, 262, 392);
    d.sunnyFace.cubicTo(300, 414, 360, 430, 420, 440);
    d.sunnyFace.lineTo(kWidth, 448);
    d.sunnyFace.lineTo(kWidth, kHeight);
    d.sunnyFace.lineTo(0, kHeight);
    d.sunnyFace.closeSubpath();

    d.shade.moveTo(160, 352);
    d.shade.cubicTo(200, 354, 230, 372, 262, 392);
    d.shade.cubicTo(300, 414, 360, 430, 420, 440);
    d.shade.lineTo(kWidth, 448);
    d.shade.lineTo(kWidth, kHeight);
    d.shade.lineTo(200, kHeight);
    d.shade.cubicTo(196, 410, 186, 376, 160, 352);
    d.shade.closeSubpath();
    return d;
}

// Wind ripples on the sunny face: thin darker crests with a lit edge above each.
// They are drawn before the shade, which then covers whatever crosses into it.
void paintRipples(QPainter &p, const Dune &d) {
    p.save();
    p.setClipPath(d.sunnyFace, Qt::IntersectClip);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 7; ++i) {
        const qreal y = 262 + i * 22;
        const qreal x0 = 40 + i * 18;
        QPainterPath ripple;
        ripple.moveTo(x0, y + 16);
        ripple.cubicTo(x0 + 90, y - 4, x0 + 200, y + 8, x0 + 300 - i * 12, y - 10 + i * 2);
        p.setPen(QPen(QColor(0xb8, 0x52, 0x1e, 70), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(ripple);
        p.setPen(QPen(QColor(0xff, 0xe2, 0xa8, 90), 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(ripple.translated(0, -1.8));
    }
    p.restore();
}

void paintDune(QPainter &p, const Dune &d, qreal top, qreal bottom, bool rippled) {
    QLinearGradient sun(0, top, 160, bottom);
    sun.setColorAt(0.0, kSandGlow);
    sun.setColorAt(0.35, kSandLight);
    sun.setColorAt(1.0, kSandDeep);
    p.fillPath(d.sunnyFace, sun);
    if (rippled)
        paintRipples(p, d);
    QLinearGradient shade(0, top, 0, bottom);
    shade.setColorAt(0.0, kShadeLight);
    shade.setColorAt(1.0, kShadeDeep);
    p.fillPath(d.shade, shade);
}

// A bright rim along the crest, where the sun grazes the ridge.
void paintCrestLight(QPainter &p) {
    QPainterPath rim;
    rim.moveTo(300, 200);
    rim.cubicTo(340, 186, 370, 176, 392, 176);
    rim.cubicTo(405, 200, 435, 232, 450, 270);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xff, 0xe6, 0xb0, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(rim);
}
} // namespace

void paintDuneLandscape(QPainter &p, const QRectF &box) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(box);
    p.translate(box.topLeft());
    p.scale(box.width() / kWidth, box.height() / kHeight);
    fillSky(p);
    paintFarDunes(p);
    const Dune main = mainDune();
    paintDune(p, main, 176, kHeight, true);
    paintCrestLight(p);
    paintDune(p, frontDune(), 350, kHeight, false);
    p.restore();
}
