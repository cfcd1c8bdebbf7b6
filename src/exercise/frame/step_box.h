// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

// A box of the working area: light yellow with red digits inside a thin grey border, all
// greyed when it is crossed out. Drawn from its palette rather than a style sheet, which
// would be parsed and matched again for every box of every screen: that was half of the
// time a screen took to open.
// Its text is centred in the handwriting face; it stays out of the Tab order, so the focus
// comes from the program or from a click.
class StepBox : public QLineEdit {
  public:
    StepBox(QWidget *parent, const QString &name, const QRect &where);

  protected:
    void paintEvent(QPaintEvent *event) override;
};

// A box's whole text as the check of an entry reads it: blanks around it and leading zeros
// allowed, otherwise only digits; false when it is no whole number that fits a step box.
bool entryValue(const QString &text, int &value);
