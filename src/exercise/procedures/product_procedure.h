// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "procedure.h"

#include <QPoint>
#include <array>

class ExerciseFrame;
class QLineEdit;
struct AppContext;
struct SharedState;

// The written product of two fractions, the common part of the multiplication screens and
// of the division screens' second phase: it builds the operand boxes and the step boxes
// txtFraz(1..10) on the frame and runs the five stages (A, B: each fraction reduced on its
// own; C, D: the two crosswise reductions; E: the product in lowest terms), the check of a
// product step and the solution. A multiplication or a division says only which four
// numbers form the product and how its problems start.
class ProductProcedure : public Procedure {
    Q_OBJECT
  public:
    void AzzeraSchermo() override;
    // The whole worked solution: every step box of the solution filled, every replaced
    // place greyed.
    void solution() override;
    QLineEdit *workTarget() const override;
    // In a product every expected answer is at least 1, so during an exercise the rule
    // never acts: step 5 needs nothing.
    void focusRuleSkippedToStep5() override {}

  protected:
    // Builds the working area shifted by shift from where frmMolt has it.
    ProductProcedure(ExerciseFrame &frame, QPoint shift);

    // The product's four terms: first numerator, first denominator, second numerator,
    // second denominator.
    virtual std::array<int, 4> productTerms() const = 0;

    // Prepares the product now in productTerms() and asks its first step. "Ripeti" stays
    // usable during the exercise when repeatUsable (frmMolt2, a division's product).
    void beginProduct(bool repeatUsable);
    // "OK" (and Enter) while a product step is current.
    void checkProduct();

    ExerciseFrame &frame_;
    AppContext &ctx_;
    SharedState &s_;

  private:
    void workStages();
    void appendStep(int box);
    void ask(int box, long value, bool leadingBlank = false);
    void pairPrompt();
    QLineEdit *place(int p) const;
    void enableOperands();
    void emptySteps();
};
