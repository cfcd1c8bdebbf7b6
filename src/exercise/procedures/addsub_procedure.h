// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "procedure.h"

class ExerciseFrame;
class QLineEdit;
struct AppContext;
struct SharedState;

// The guided written procedure of addition and subtraction: it builds the working area
// (two operand fractions, step boxes txtFraz(1..11)) on the frame and runs the steps.
// Whether a fraction or the result is being reduced is kept where the pupil sees it, in
// the enabled state of its boxes, and the steps decide what comes next from that; the
// numbers they work on are the problem as given (Num1..Den2) and the answers already
// expected (Risposte), never what is typed in other boxes.
class AddSubProcedure : public Procedure {
    Q_OBJECT
  public:
    AddSubProcedure(ExerciseFrame &frame, bool subtract);

    void AzzeraSchermo() override;
    void clearProblem() override { AzzeraSchermo(); }
    // Draws a problem (a subtraction draws again until the difference is not negative),
    // puts it on screen and asks the first step.
    void startRandom() override;
    // A typed problem needs all four entries, none 0; a subtraction whose first fraction
    // is the smaller is refused as well.
    bool admits(const EnteredProblem &problem) override;
    void startWithOperands() override;

    void check() override;
    void solution() override;
    void repeat() override;
    QLineEdit *workTarget() const override;
    // Step 5 is the common denominator: its answers are worked out here.
    void focusRuleSkippedToStep5() override { DenominatoreComune(); }

  private:
    void semplificaVerticale(int which);
    void ScegliPrimoPasso();
    void DenominatoreComune();
    void CalcolaRisultato();
    void SemplificaRisultato();
    // Asks the first step of the problem now in the operand boxes.
    void firstStep();
    void drawFractions();
    void showOperands();
    void write(int box, long value, bool leadingBlank = false);
    // Step box k is asked next: it takes the focus, with the right-answer cue.
    void next(int k);

    ExerciseFrame &frame_;
    AppContext &ctx_;
    SharedState &s_;
    bool subtract_;
};
