// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keypad.h"

#include "exercise_layout.h"
#include "fonts.h"
#include "picture_button.h"
#include "widget_factory.h"

#include <QPainter>
#include <QPainterPath>

namespace {
void paintLeftArrow(QPainter &p, const QRectF &r, const QColor &ink) {
    const QPointF c = r.center();
    const qreal w = r.width() * 0.28;
    const qreal h = r.height() * 0.22;
    QPainterPath path;
    path.moveTo(c.x() - w, c.y());
    path.lineTo(c.x() - w + h * 1.4, c.y() - h);
    path.lineTo(c.x() - w + h * 1.4, c.y() - h * 0.4);
    path.lineTo(c.x() + w, c.y() - h * 0.4);
    path.lineTo(c.x() + w, c.y() + h * 0.4);
    path.lineTo(c.x() - w + h * 1.4, c.y() + h * 0.4);
    path.lineTo(c.x() - w + h * 1.4, c.y() + h);
    path.closeSubpath();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(path);
}

} // namespace

Keypad::Keypad(QWidget *parent) : QGroupBox(QStringLiteral("Tastierino numerico"), parent) {
    setObjectName(QStringLiteral("Frame1"));
    QFont caption(QString::fromLatin1(kArialFace));
    caption.setPointSizeF(9);
    caption.setBold(true);
    setFont(caption);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, layout::kLightYellow);
    pal.setColor(QPalette::WindowText, layout::kFrameBlue);
    setPalette(pal);

    for (int d = 0; d <= 9; ++d) {
        const QString text = QString::number(d);
        digits_[d] = makePictureButton(this, QStringLiteral("Cmd_%1").arg(d), text, looks::pink,
                                       layout::keypad::kDigit[d]);
        connect(digits_[d], &QAbstractButton::clicked, this,
                [this, d, text] { emit keyClicked(Qt::Key_0 + d, text); });
    }
    backspace_ =
        makePictureButton(this, QStringLiteral("Cmd_backspace"), QStringLiteral("Cancella"),
                          looks::lavender, layout::keypad::kBackspace);
    backspace_->setSymbol(paintLeftArrow);
    connect(backspace_, &QAbstractButton::clicked, this,
            [this] { emit keyClicked(Qt::Key_Backspace, QStringLiteral("\b")); });
    ok_ = makePictureButton(this, QStringLiteral("Cmd_invio"), QStringLiteral("OK"), looks::red,
                            layout::keypad::kOk);
    connect(ok_, &QAbstractButton::clicked, this, &Keypad::okClicked);
}
