// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "product_procedure.h"

// The multiplication screens: the written product of the problem's two fractions, started from
// a draw or from the pupil's entry. Where the screen lets "Ripeti" stay usable during the
// product (frmMolt2), the pupil may restart the same problem, unscored, at any time.
class MultiplicationProcedure : public ProductProcedure {
    Q_OBJECT
  public:
    // The working area shifted by shift from where frmMolt has it.
    MultiplicationProcedure(ExerciseFrame &frame, QPoint shift);

    // Every problem with its four numbers from 1 up can be multiplied.
    bool accepts(const Problem &) const override { return true; }
    // The wrong-answer cue alone.
    void startRefused() override;
    // The click cue; the product's own cue follows as it is prepared.
    void startCue(ExerciseStart start) override;
    QLineEdit *firstStep(const Problem &problem) override {
        return beginProduct(productTerms(problem));
    }
    void check() override { checkProduct(); }

  protected:
    // The problem as given: Num1/Den1 x Num2/Den2.
    std::array<int, 4> productTerms(const Problem &problem) const override;
};
