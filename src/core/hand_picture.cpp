// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hand_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace {
// The hand is designed pointing right on a 32 x 32 grid; other directions rotate it.
QPainterPath handOutline() {
    QPainterPath hand;
    // Index finger: a long rounded bar reaching to the right edge.
    hand.addRoundedRect(QRectF(13, 8.5, 17.5, 6.5), 3.25, 3.25);
    // Palm and back of the fist.
    QPainterPath palm;
    palm.moveTo(14, 9);
    palm.lineTo(8, 9);
    palm.cubicTo(4.5, 9, 2, 11.5, 2, 15);
    palm.lineTo(2, 21);
    palm.cubicTo(2, 25, 4.5, 27, 8, 27);
    palm.lineTo(14, 27);
    palm.closeSubpath();
    hand = hand.united(palm);
    // Three curled fingers, stacked below the index finger.
    hand = hand.united([] {
        QPainterPath f;
        f.addRoundedRect(QRectF(10, 14.5, 11, 4.6), 2.3, 2.3);
        f.addRoundedRect(QRectF(10, 18.7, 10, 4.4), 2.2, 2.2);
        f.addRoundedRect(QRectF(10, 22.7, 8.5, 4.3), 2.15, 2.15);
        return f.simplified();
    }());
    return hand.simplified();
}

// Creases between the curled fingers and the thumb lying across the fist.
QPainterPath handDetails() {
    QPainterPath d;
    d.moveTo(13, 19);
    d.lineTo(19.5, 19);
    d.moveTo(13, 23);
    d.lineTo(18, 23);
    // Thumb: tucked over the curled fingers.
    d.moveTo(7, 12.5);
    d.cubicTo(9, 15.5, 12, 16.5, 16, 16.2);
    return d;
}

qreal angleOf(HandDirection dir) {
    switch (dir) {
    case HandDirection::Right:
        return 0;
    case HandDirection::Down:
        return 90;
    case HandDirection::Left:
        return 180;
    case HandDirection::Up:
        return 270;
    }
    return 0;
}
} // namespace

void paintPointingHand(QPainter &p, const QRectF &box, HandDirection dir, const QColor &fill,
                       const QColor &outline) {
    const qreal side = qMin(box.width(), box.height());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.center());
    p.scale(side / 32.0, side / 32.0);
    p.rotate(angleOf(dir));
    // A left-pointing hand is mirrored, not turned upside down, so the thumb stays on top.
    if (dir == HandDirection::Left)
        p.scale(1, -1);
    p.translate(-16, -16);
    const qreal pen = 1.3;
    p.setPen(QPen(outline, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    // Path unions are costly; the shape is worked out once for every hand on every screen.
    static const QPainterPath outlinePath = handOutline();
    static const QPainterPath detailPath = handDetails();
    p.drawPath(outlinePath);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outline, pen * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(detailPath);
    p.restore();
}

HandPicture::HandPicture(HandDirection dir, const QColor &fill, QWidget *parent)
    : QWidget(parent), dir_(dir), fill_(fill) {
    setAttribute(Qt::WA_TranslucentBackground);
    resize(32, 32);
}

void HandPicture::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const QColor outline = fill_.lightness() > 128 ? QColor(0x20, 0x20, 0x20) : Qt::white;
    paintPointingHand(p, rect(), dir_, fill_, outline);
}
