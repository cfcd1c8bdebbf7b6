// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture_button.h"

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// How a label's text looks: the handwriting face in a colour and a point size.
struct TextStyle {
    QColor ink;
    qreal points = 12;
    bool bold = false;
    bool italic = false;
};

// A label named name at where, written in the handwriting face.
QLabel *makeComicLabel(QWidget *parent, const QString &name, const QString &text,
                       const QRect &where, const TextStyle &style);

// A picture button named name at where. The exercise screens' buttons never take the
// keyboard focus: clicking one must leave the caret in the box the pupil is typing into.
PictureButton *makePictureButton(QWidget *parent, const QString &name, const QString &word,
                                 const ButtonLook &look, const QRect &where,
                                 Qt::FocusPolicy focus = Qt::NoFocus);
