// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "product_procedure.h"

#include <array>
#include <cstdint>

// The division screens: the division as posed stands on a row of its own (txtNumDiv), the
// pupil rewrites it box by box as a product by the reciprocal in the operand boxes (the
// rewrite phase: FaseReciproco, CampoDiv naming the box asked, Reciproco what it expects),
// and the product Num1/Den1 x Den2/Num2 is then worked exactly as on the multiplication
// screens.
class DivisionProcedure : public ProductProcedure {
    Q_OBJECT
  public:
    // The rewrite of the division on screen, under the names the rewrite's steps use.
    struct Rewrite {
        // True while the pupil rewrites the division as a product by the reciprocal, false
        // from the moment the fourth rewrite box is right.
        bool FaseReciproco = false;
        // The rewrite box the keypad feeds and "OK" checks while FaseReciproco is true
        // (1 txtNum1, 2 txtDen1, 3 txtNum2, 4 txtDen2); 0 once the product begins.
        int CampoDiv = 0;
        // Reciproco[k] is what rewrite box k expects: Num1, Den1, Den2, Num2 (index 0 unused).
        std::array<int16_t, 5> Reciproco{};
    };

    // What "Ripeti" plays after its click: on frmDiv it restarts through the start button,
    // which plays the right-answer cue of its own; frmDiv2's does not.
    enum class RepeatCue { ClickOnly, ClickThenStart };

    // The product's working area shifted by productShift from where frmMolt has it; the
    // division as posed above it.
    DivisionProcedure(ExerciseFrame &frame, QPoint productShift, RepeatCue repeatCue);

    QLineEdit *txtNumDiv(int k) const { return given_[k - 1]; }
    const Rewrite &rewrite() const { return rewrite_; }

    // The product's working area and the given row.
    void emptyWorkingArea() override;
    bool accepts(const Problem &) const override { return true; }
    // The right-answer cue that greets every "Avvio" on frmDiv2 before its entries are
    // looked at, then the wrong-answer cue.
    void startRefused() override;
    // A new exercise: the right-answer cue. A repeat: the click cue, and then what the
    // screen's RepeatCue says.
    void startCue(ExerciseStart start) override;
    // The division as posed on its row, the rewrite asked from its first box.
    QLineEdit *firstStep(const Problem &problem) override;
    // The rewrite box CampoDiv while rewriting, else the product's step.
    void check() override;
    QLineEdit *workTarget() const override;

  protected:
    // The rewritten product: Num1/Den1 x Den2/Num2.
    std::array<int, 4> productTerms(const Problem &problem) const override;

  private:
    QLineEdit *rewriteBox(int campo) const;
    void showGiven(const Problem &problem);
    void checkRewrite();
    // From the rewrite to the multiplication of the rewritten product.
    void AvviaMoltiplicazione();

    std::array<QLineEdit *, 4> given_{};
    const RepeatCue repeatCue_;
    Rewrite rewrite_;
};
