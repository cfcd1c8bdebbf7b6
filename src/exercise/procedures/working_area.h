// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "working_layout.h"

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// Pieces the operations draw their working areas with.

// A fraction bar named name (Line1, ...).
using layout::Bar;
void makeBar(QWidget *parent, const QString &name, const Bar &bar);
// bar moved by by.
inline Bar shifted(Bar bar, QPoint by) {
    return {bar.x1 + by.x(), bar.x2 + by.x(), bar.y + by.y()};
}

// An operator sign ("+", "x", ":", "=") in the handwriting face, centred in where.
QLabel *makeSign(QWidget *parent, const QString &name, const QString &sign, const QRect &where,
                 qreal points = 21.75, bool bold = true);
