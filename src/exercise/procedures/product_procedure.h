// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "procedure.h"
#include "product_steps.h"

#include <QPoint>
#include <array>
#include <cstdint>

class ExerciseFrame;
class QLineEdit;
struct AppContext;

// The written product of two fractions, the common part of the multiplication screens and
// of the division screens' second phase: it builds the operand boxes and the step boxes
// txtFraz(1..10) on the frame and renders the plan of the five stages (productSteps: A, B
// each fraction reduced on its own; C, D the two crosswise reductions; E the product in
// lowest terms), the check of a product step and the solution. A multiplication or a
// division says only which four numbers of its problem form the product and how its
// problems start.
class ProductProcedure : public Procedure {
    Q_OBJECT
  public:
    void emptyWorkingArea() override;
    // The whole worked solution: every step box of the solution filled, every replaced
    // place greyed.
    void solution(const Problem &problem) override;
    QLineEdit *workTarget() const override;
    // Wherever the focus goes, a product moves nobody on.
    void focusArrived(QWidget *) override {}

    // The product step asked now (Passo) and what each step box expects (Risposte).
    int currentStep() const { return Passo; }
    const std::array<int16_t, 13> &answers() const { return plan_.Risposte; }

  protected:
    // Builds the working area shifted by shift from where frmMolt has it.
    ProductProcedure(ExerciseFrame &frame, QPoint shift);

    // The product's four terms in problem: first numerator, first denominator, second
    // numerator, second denominator.
    virtual std::array<int, 4> productTerms(const Problem &problem) const = 0;

    // Prepares the product of terms (as productTerms orders them), with its cue, and tells
    // the frame that a product stage begins: returns the box of its first step.
    QLineEdit *beginProduct(const std::array<int, 4> &terms);
    // "OK" (and Enter) while a product step is current.
    void checkProduct();

    ExerciseFrame &frame_;
    AppContext &ctx_;

  private:
    void pairPrompt();
    QLineEdit *place(int p) const;
    void enableOperands();
    void emptySteps();

    // The plan of the product on screen, made at its start (or by the solution): the order
    // of its steps (SequenzaPassi) and what each expects (Risposte).
    ProductSteps plan_;
    // The step box txtFraz(Passo) that takes the next product entry; 0: none. A new screen
    // asks box 1, as its load leaves it, until the working area is first emptied.
    int Passo = 1;
    // The position in the plan's SequenzaPassi of the current step (from 1; 0 when no
    // product step is asked).
    int PosSequenza = 0;
    // The right answers given so far in this product (a new pair of steps begins at 2, 4
    // and 6).
    int PassiEseguiti = 0;
};
