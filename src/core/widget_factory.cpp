// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widget_factory.h"

#include "fonts.h"

#include <QLabel>

QLabel *makeComicLabel(QWidget *parent, const QString &name, const QString &text,
                       const QRect &where, const TextStyle &style) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(where);
    QFont font(QString::fromLatin1(kComicFace));
    font.setPointSizeF(style.points);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, style.ink);
    label->setPalette(pal);
    return label;
}

PictureButton *makePictureButton(QWidget *parent, const QString &name, const QString &word,
                                 const ButtonLook &look, const QRect &where,
                                 Qt::FocusPolicy focus) {
    auto *button = new PictureButton(word, look, parent);
    button->setObjectName(name);
    button->setGeometry(where);
    button->setFocusPolicy(focus);
    return button;
}
