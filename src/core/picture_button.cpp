// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_button.h"

#include "fonts.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
QColor greyed(const QColor &c) {
    const int g = qGray(c.rgb());
    return QColor(g, g, g).lighter(115);
}

QFont wordFont(const QString &word, const QRectF &box) {
    QFont font(QString::fromLatin1(kComicFace));
    font.setBold(true);
    const int fullSize = qMax(8, int(box.height() * 0.55));
    font.setPixelSize(fullSize);
    // A long word shrinks to fit the picture with a margin. Text width grows in proportion
    // to the size, so one measurement gives the size: each size tried would cost a glyph
    // cache of its own.
    const qreal advance = QFontMetricsF(font).horizontalAdvance(word);
    const qreal room = box.width() - 8;
    if (advance > room)
        font.setPixelSize(qMax(8, int(fullSize * room / advance)));
    return font;
}
} // namespace

QColor disabledInk() {
    return QColor(0x6c, 0x6c, 0x6c);
}

void paintButtonFace(QPainter &p, const QRectF &rect, const ButtonLook &look, bool enabled,
                     bool pressed) {
    const QRectF r = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = qMin(r.height() * 0.3, 9.0);
    QLinearGradient grad(r.topLeft(), r.bottomLeft());
    const QColor light = enabled ? look.light : greyed(look.light);
    const QColor dark = enabled ? look.dark : greyed(look.dark);
    grad.setColorAt(0.0, pressed ? dark : light);
    grad.setColorAt(1.0, pressed ? light : dark);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(dark.darker(140), 1.0));
    p.setBrush(grad);
    p.drawRoundedRect(r, radius, radius);
    // A soft gloss on the upper half makes the picture read as a button.
    QPainterPath gloss;
    gloss.addRoundedRect(r.adjusted(2, 2, -2, -r.height() / 2), radius * 0.7, radius * 0.7);
    p.fillPath(gloss, QColor(255, 255, 255, pressed ? 30 : 70));
}

PictureButton::PictureButton(const QString &word, const ButtonLook &look, QWidget *parent)
    : QAbstractButton(parent), word_(word), look_(look) {
    setAccessibleName(word);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setSymbol(SymbolPainter symbol) {
    symbol_ = std::move(symbol);
    update();
}

QSize PictureButton::sizeHint() const {
    return QSize(100, 33);
}

void PictureButton::keyPressEvent(QKeyEvent *event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->isAutoRepeat() && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PictureButton::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const bool pressed = isDown();
    QRectF face = rect();
    paintButtonFace(p, face, look_, isEnabled(), pressed);
    if (pressed)
        face.translate(1, 1);
    const QColor ink = isEnabled() ? look_.ink : disabledInk();
    if (symbol_) {
        symbol_(p, face, ink);
    } else {
        p.setFont(wordFont(word_, face));
        // A thin contrasting shadow keeps the word legible on both ends of the gradient, and
        // gives a greyed word its engraved look.
        p.setPen(ink.lightness() > 128 ? QColor(0, 0, 0, 110) : QColor(255, 255, 255, 170));
        p.drawText(face.translated(1, 1), Qt::AlignCenter, word_);
        p.setPen(ink);
        p.drawText(face, Qt::AlignCenter, word_);
    }
    if (hasFocus()) {
        QPen dots(QColor(0, 0, 0, 150), 1, Qt::DotLine);
        p.setPen(dots);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5), 5, 5);
    }
}
