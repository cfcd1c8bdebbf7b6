// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>
#include <array>

class PictureButton;

// The on-screen keypad "Tastierino numerico" (Frame1): ten digits, a backspace arrow and
// "OK". It only reports clicks; where a key lands is the screen's business. Disabling the
// frame makes all twelve keys unusable at once.
class Keypad : public QGroupBox {
    Q_OBJECT
  public:
    explicit Keypad(QWidget *parent = nullptr);

    PictureButton *digit(int d) const { return digits_[d]; }
    PictureButton *backspace() const { return backspace_; }
    PictureButton *ok() const { return ok_; }

  signals:
    // A digit or the arrow: the key code (Qt::Key_0.., Qt::Key_Backspace) and its text.
    void keyClicked(int key, const QString &text);
    void okClicked();

  private:
    std::array<PictureButton *, 10> digits_{};
    PictureButton *backspace_ = nullptr;
    PictureButton *ok_ = nullptr;
};
