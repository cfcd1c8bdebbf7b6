// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "product_procedure.h"

// The multiplication screens: the written product of Num1/Den1 and Num2/Den2, started from
// a draw or from the pupil's entry. On the pupil-entry screen "Ripeti" stays usable during
// an exercise, so the pupil may restart the same problem, unscored, at any time.
class MultiplicationProcedure : public ProductProcedure {
    Q_OBJECT
  public:
    MultiplicationProcedure(ExerciseFrame &frame, bool pupilEntry);

    void clearProblem() override { AzzeraSchermo(); }
    void startRandom() override;
    bool admits(const EnteredProblem &problem) override;
    void startWithOperands() override;
    void check() override { checkProduct(); }
    void repeat() override;

  protected:
    std::array<int, 4> productTerms() const override;

  private:
    bool pupilEntry_;
};
