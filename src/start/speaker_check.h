// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>

class QPainter;

// Paints a loudspeaker with two sound waves into box; struck through in red when silent.
void paintLoudspeaker(QPainter &p, const QRectF &box, const QColor &ink, bool silent);

// The sound switch: a checkable picture button showing a loudspeaker, struck through in red
// while checked, that is, while the program is silent.
class SpeakerCheck : public QAbstractButton {
    Q_OBJECT
  public:
    explicit SpeakerCheck(QWidget *parent = nullptr);
    QSize sizeHint() const override { return QSize(81, 37); }

  protected:
    void paintEvent(QPaintEvent *event) override;
};
