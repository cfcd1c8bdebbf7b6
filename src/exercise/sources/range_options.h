// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "source_panel.h"

struct AppContext;
class ExerciseFrame;
class Procedure;
class RandomSource;
class QRadioButton;

// One fraction as Casuali draws it.
struct DrawnFraction {
    int NumCasuale = 0;
    int DenCasuale = 0;
};

// The inclusive ranges of the draws: numerators from NumMin to NumMax, denominators from
// DenMin to DenMax. The options only ever move the maximum; every range starts at 1.
struct DrawRanges {
    static constexpr int NumMin = 1;
    static constexpr int DenMin = 1;
    int NumMax = 25;
    int DenMax = 25;
};

// Draws one fraction, numerator first, each uniform within ranges, and returns it. The
// generator is reseeded before the draw.
DrawnFraction Casuali(const DrawRanges &ranges, RandomSource &random);

// A whole number uniform in [low, high] from r in [0, 1). Computed in double precision so
// that r just below 1 still gives high, never high + 1.
int drawInRange(int low, int high, double r);

// The problem source of the random screens: the two range frames "Numeratore"
// (optNum1..optNum5) and "Denominatore" (optDen1..optDen4) in the frame's source area. A
// click plays the click cue, abandons the problem on screen and sets the maximum of its
// group; "Avvio" draws a problem within the two ranges.
class RangeOptions : public SourcePanel {
    Q_OBJECT
  public:
    // The problems drawn are of op.
    RangeOptions(ExerciseFrame &frame, Procedure &procedure, Operation op);

    // "fino a 25" in both frames, as two clicks would select it; the keypad stays off until
    // "Avvio".
    void load() override;
    // Both fractions drawn, again until the operation accepts them.
    std::optional<Problem> takeProblem(const Procedure &procedure) override;
    // Always the working area's box.
    QLineEdit *keypadTarget() const override;

    QRadioButton *optNum(int k) const { return num_[k - 1]; }
    QRadioButton *optDen(int k) const { return den_[k - 1]; }
    const DrawRanges &ranges() const { return ranges_; }

  private:
    // Selects "fino a 25" in both frames as two clicks would.
    void selectDefaults();
    void picked(bool numerator, int max);

    ExerciseFrame &frame_;
    AppContext &ctx_;
    Procedure &procedure_;
    const Operation op_;
    QRadioButton *num_[5] = {};
    QRadioButton *den_[4] = {};
    // Set by the options alone, read by the draws alone.
    DrawRanges ranges_;
};
