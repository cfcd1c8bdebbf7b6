// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speaker_check.h"

#include "picture_button.h"

#include <QPainter>
#include <QPainterPath>

namespace {
const ButtonLook kSpeakerLook{QColor(0xe4, 0xf4, 0xff), QColor(0x6c, 0xa8, 0xd8),
                              QColor(0x14, 0x24, 0x48)};
}

void paintLoudspeaker(QPainter &p, const QRectF &box, const QColor &ink, bool silent) {
    const qreal side = qMin(box.width(), box.height());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.center());
    p.scale(side / 24.0, side / 24.0);
    p.translate(-12, -12);
    // Magnet box and cone.
    QPainterPath body;
    body.moveTo(3, 9);
    body.lineTo(7, 9);
    body.lineTo(12.5, 4);
    body.lineTo(12.5, 20);
    body.lineTo(7, 15);
    body.lineTo(3, 15);
    body.closeSubpath();
    p.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    p.drawPath(body);
    // Sound waves.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(10, 7.5, 7, 9), -50 * 16, 100 * 16);
    p.drawArc(QRectF(9, 4, 12, 16), -50 * 16, 100 * 16);
    if (silent) {
        p.setPen(QPen(QColor(0xe0, 0x10, 0x10), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(2.5, 21.5), QPointF(21.5, 2.5));
    }
    p.restore();
}

SpeakerCheck::SpeakerCheck(QWidget *parent) : QAbstractButton(parent) {
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Suono"));
}

void SpeakerCheck::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const bool pressed = isDown();
    paintButtonFace(p, rect(), kSpeakerLook, isEnabled(), pressed);
    QRectF picture = QRectF(rect()).adjusted(4, 4, -4, -4);
    if (pressed)
        picture.translate(1, 1);
    paintLoudspeaker(p, picture, isEnabled() ? kSpeakerLook.ink : disabledInk(), isChecked());
    if (hasFocus()) {
        p.setPen(QPen(QColor(0, 0, 0, 150), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5), 5, 5);
    }
}
