// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "product_procedure.h"

// The division screens: the division as posed stands on a row of its own (txtNumDiv), the
// pupil rewrites it box by box as a product by the reciprocal in the operand boxes (the
// rewrite phase: FaseReciproco 1, CampoDiv naming the box asked, Reciproco what it
// expects), and the product Num1/Den1 x Den2/Num2 is then worked exactly as on the
// multiplication screens.
class DivisionProcedure : public ProductProcedure {
    Q_OBJECT
  public:
    DivisionProcedure(ExerciseFrame &frame, bool pupilEntry);

    QLineEdit *txtNumDiv(int k) const { return given_[k - 1]; }

    // The pupil-entry screen empties the given row as well.
    void AzzeraSchermo() override;
    // A range change wipes the given row too.
    void clearProblem() override;
    // cmdStartDiv on the random screen: also the second half of its "Ripeti".
    void startRandom() override;
    bool admits(const EnteredProblem &problem) override;
    void startWithOperands() override;
    // The rewrite box CampoDiv while rewriting, else the product's step.
    void check() override;
    // The same division again from its rewrite, unscored.
    void repeat() override;
    QLineEdit *workTarget() const override;

  protected:
    // The rewritten product: Num1/Den1 x Den2/Num2.
    std::array<int, 4> productTerms() const override;

  private:
    QLineEdit *rewriteBox(int campo) const;
    void showGiven();
    void clearGiven();
    void beginRewrite();
    void checkRewrite();
    // From the rewrite to the multiplication of the rewritten product.
    void AvviaMoltiplicazione();

    std::array<QLineEdit *, 4> given_{};
    bool pupilEntry_;
};
