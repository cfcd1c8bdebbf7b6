// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "entry_rules.h"
#include "exercise_layout.h"

#include <QGroupBox>
#include <QRect>
#include <array>

class HandPicture;
class QLabel;
class QLineEdit;

// Where the entry frame's controls sit, relative to the frame, in pixels at 96 dots per
// inch. Index 0 of each table is unused so that CampoIns (1..4) indexes them directly:
// 1 first numerator, 2 first denominator, 3 second numerator, 4 second denominator.
namespace entrylayout {
inline constexpr QRect kFrame = layout::frame::kSourceArea; // on the screen
inline constexpr std::array<QRect, 5> kBox{{
    {},
    {8, 72, 37, 29},  // txtInsNum1
    {8, 116, 37, 29}, // txtInsDen1
    {72, 72, 37, 29}, // txtInsNum2
    {72, 116, 37, 29} // txtInsDen2
}};
inline constexpr std::array<QRect, 5> kHand{{
    {},
    {12, 32, 32, 32}, // imgManoNum1, above its box
    {8, 152, 32, 32}, // imgManoDen1, below its box
    {72, 32, 32, 32}, // imgManoNum2
    {72, 152, 32, 32} // imgManoDen2
}};
// The two fraction bars, 2 pixels thick.
inline constexpr std::array<QRect, 2> kBar{{{4, 108, 45, 2}, {68, 108, 45, 2}}};
// The operator between the fractions; its height on the line depends on the sign.
inline constexpr QRect kOperatorAdd{48, 76, 21, 41};
inline constexpr QRect kOperatorSubDiv{48, 84, 21, 41};
inline constexpr QRect kOperatorMul{48, 88, 21, 41};
} // namespace entrylayout

// The sign shown between the two typed fractions.
enum class EntrySign { Plus, Minus, Times, Divide };

// The frame "Inserimento" (Frame2) of the pupil-entry screens: two small fractions the
// pupil types in, each box with a hand that points at it while it is the one being
// typed into. The frame only reports what happens to its boxes; what a selection or an
// overlong entry leads to is the screen's business.
class PupilEntryFrame : public QGroupBox {
    Q_OBJECT
  public:
    explicit PupilEntryFrame(EntrySign sign, QWidget *parent = nullptr);

    // Entry box and hand picture by CampoIns value, 1 to 4.
    QLineEdit *box(int campo) const { return boxes_[campo - 1]; }
    HandPicture *hand(int campo) const { return hands_[campo - 1]; }
    QLabel *operatorLabel() const { return operator_; }

    // Shows the hand of box campo and hides the other three.
    void showOnlyHand(int campo);
    void showAllHands();
    void clearEntries();

    // Reads the four boxes as a start does (see checkEntries).
    EnteredProblem readEntries() const;

  signals:
    // The pupil clicked entry box campo.
    void boxClicked(int campo);
    // Entry box campo holds more than two characters; the screen takes one away.
    void boxTooLong(int campo);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    std::array<QLineEdit *, 4> boxes_{};
    std::array<HandPicture *, 4> hands_{};
    QLabel *operator_ = nullptr;
};
