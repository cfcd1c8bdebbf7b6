// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRectF>

class QPainter;

// The start menu's background: a sand dune at sunset, warm orange where the low sun
// strikes it and blue-violet in its shade, under a darkening sky. Drawn with gradients
// and curves on a 634 x 455 design grid scaled into box, so it stays sharp at any scaling.
void paintDuneLandscape(QPainter &p, const QRectF &box);
