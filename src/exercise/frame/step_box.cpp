// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "step_box.h"

#include "exercise_layout.h"
#include "fonts.h"

#include <QPainter>

StepBox::StepBox(QWidget *parent, const QString &name, const QRect &where) : QLineEdit(parent) {
    setObjectName(name);
    setGeometry(where);
    setAlignment(Qt::AlignCenter);
    QFont font(QString::fromLatin1(kComicFace));
    font.setPointSizeF(15.75);
    setFont(font);
    setFocusPolicy(Qt::ClickFocus);
    setFrame(false);
    setTextMargins(1, 1, 1, 1); // the border's width: the text stays where it was
    QPalette pal = palette();
    pal.setColor(QPalette::Base, layout::kLightYellow);
    pal.setColor(QPalette::Text, layout::kBoxInk);
    pal.setColor(QPalette::Disabled, QPalette::Base, QColor(0xe6, 0xe6, 0xd2));
    pal.setColor(QPalette::Disabled, QPalette::Text, QColor(0xa8, 0xa8, 0xa8));
    setPalette(pal);
}

void StepBox::paintEvent(QPaintEvent *event) {
    {
        QPainter ground(this);
        ground.fillRect(rect(), palette().base()); // the style's panel leaves a margin
    }
    QLineEdit::paintEvent(event);
    // The border as four filled strips, one pixel wide at any scaling.
    QPainter border(this);
    const QColor ink = isEnabled() ? QColor(0x7f, 0x7f, 0x7f) : QColor(0xc0, 0xc0, 0xc0);
    const int w = width();
    const int h = height();
    for (const QRect &edge :
         {QRect(0, 0, w, 1), QRect(0, h - 1, w, 1), QRect(0, 0, 1, h), QRect(w - 1, 0, 1, h)})
        border.fillRect(edge, ink);
}

bool entryValue(const QString &text, int &value) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    long v = 0;
    for (const QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        v = v * 10 + (c.unicode() - '0');
        if (v > 32767) // beyond any answer a step box can expect
            return false;
    }
    value = int(v);
    return true;
}
