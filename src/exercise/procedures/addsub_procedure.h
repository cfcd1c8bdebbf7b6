// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "addsub_steps.h"
#include "procedure.h"

#include <QPoint>
#include <array>
#include <cstdint>

class ExerciseFrame;
class QLineEdit;
struct AppContext;

// The guided written procedure of addition and subtraction: it builds the working area
// (two operand fractions, step boxes txtFraz(1..11)) on the frame and renders the plan of
// the problem (addSubSteps: which steps are asked, in which order, what each expects). The
// steps show where a stage begins, cross out what a reduction replaces, and write their
// answers into their boxes when called with MostraSoluzione, as "Soluzione" does; what
// comes next is the plan's, never what is typed or greyed in the boxes.
//
// The focus rule of the step boxes lives here, as only these screens need it: when a step
// box gets the focus while step 3 is current with nothing to ask there, the pupil is moved
// on to step 5, the common denominator.
class AddSubProcedure : public Procedure {
    Q_OBJECT
  public:
    // What a refused start does to the current step: frmSott2 sets Passo to 0 before it
    // looks at the entries, frmAdd2 only once they make a problem.
    enum class Refusal { KeepsStep, ClearsStep };

    // The working area shifted by shift from where its table has it, sign ("+" or "-")
    // between the fractions and between the expanded numerators.
    AddSubProcedure(ExerciseFrame &frame, QPoint shift, const char *sign, Refusal refusal);

    void emptyWorkingArea() override;
    // A subtraction's first fraction must not be the smaller: a draw is made again, a typed
    // problem refused.
    bool accepts(const Problem &problem) const override;
    // The wrong-answer cue; Passo left as the refusal says.
    void startRefused() override;
    // The right-answer cue, for a new exercise and a repeat alike.
    void startCue(ExerciseStart start) override;
    QLineEdit *firstStep(const Problem &problem) override;

    void check() override;
    void solution(const Problem &problem) override;
    QLineEdit *workTarget() const override;
    // A step box that gets the focus runs the focus rule, once the handler that moved the
    // focus has finished, so it sees the step that handler left current.
    void focusArrived(QWidget *widget) override;

    // The step asked now (Passo) and what each step box expects (Risposte).
    int currentStep() const { return Passo; }
    const std::array<int16_t, 13> &answers() const { return steps_.Risposte; }

  private:
    void SemplificaVerticale1(bool MostraSoluzione);
    void SemplificaVerticale2(bool MostraSoluzione);
    void reduceInBoxes(int first, QLineEdit *num, QLineEdit *den, bool MostraSoluzione);
    void ScegliPrimoPasso();
    // Their answers are planned and their stages show only a notice, so only the solution
    // calls them, to write their steps.
    void DenominatoreComune();
    void CalcolaRisultato();
    void SemplificaRisultato(bool MostraSoluzione);
    void focusRule();
    // Step box box shows what it expects.
    void write(int box, bool leadingBlank = false);
    // Step box k is asked next: it takes the focus, with the right-answer cue.
    void next(int k);

    ExerciseFrame &frame_;
    AppContext &ctx_;
    const Refusal refusal_;
    // The plan of the problem on screen, made at its start (or by its solution).
    AddSubSteps steps_;
    // The step box txtFraz(Passo) that takes the next entry; 0 (a refused subtraction) or
    // 12 (the exercise complete): none. A new screen asks box 1, as its load leaves it.
    int Passo = 1;
};
