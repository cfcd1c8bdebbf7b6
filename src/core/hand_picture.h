// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

class QPainter;

enum class HandDirection { Right, Left, Up, Down };

// A cartoon hand, a fist with the index finger stretched out towards dir, drawn as vectors
// so it stays crisp at any scaling. The hand fills box (kept square and centred).
void paintPointingHand(QPainter &p, const QRectF &box, HandDirection dir, const QColor &fill,
                       const QColor &outline);

// A 32 x 32 picture of the pointing hand.
class HandPicture : public QWidget {
    Q_OBJECT
  public:
    HandPicture(HandDirection dir, const QColor &fill, QWidget *parent = nullptr);

    HandDirection direction() const { return dir_; }
    QSize sizeHint() const override { return QSize(32, 32); }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    HandDirection dir_;
    QColor fill_;
};
