// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addsub_procedure.h"

#include "app_context.h"
#include "exercise_frame.h"
#include "notices.h"
#include "working_area.h"
#include "working_layout.h"

#include <QLineEdit>

AddSubProcedure::AddSubProcedure(ExerciseFrame &frame, QPoint shift, const char *sign,
                                 Refusal refusal)
    : Procedure(&frame), frame_(frame), ctx_(frame.context()), refusal_(refusal) {
    namespace a = layout::addsub;
    frame.setOperandBoxes(frame.makeBox(QStringLiteral("txtNum1"), a::kNum1.translated(shift)),
                          frame.makeBox(QStringLiteral("txtDen1"), a::kDen1.translated(shift)),
                          frame.makeBox(QStringLiteral("txtNum2"), a::kNum2.translated(shift)),
                          frame.makeBox(QStringLiteral("txtDen2"), a::kDen2.translated(shift)));
    for (int k = 1; k <= 11; ++k)
        frame.setStepBox(
            k, frame.makeBox(QStringLiteral("txtFraz(%1)").arg(k), a::kStep[k].translated(shift)));
    const QString operatorSign = QString::fromLatin1(sign);
    makeSign(&frame, QStringLiteral("lblPiù"), operatorSign, a::kOperator.translated(shift));
    makeSign(&frame, QStringLiteral("Label1"), operatorSign, a::kRowOperator.translated(shift));
    makeSign(&frame, QStringLiteral("Label2"), QStringLiteral("="), a::kEquals.translated(shift));
    for (int i = 0; i < int(a::kBars.size()); ++i)
        makeBar(&frame, QStringLiteral("Line%1").arg(i + 1), shifted(a::kBars[i], shift));
}

void AddSubProcedure::write(int box, bool leadingBlank) {
    const QString digits = QString::number(steps_.Risposte[box]);
    frame_.txtFraz(box)->setText(leadingBlank ? QLatin1Char(' ') + digits : digits);
}

void AddSubProcedure::next(int k) {
    frame_.txtFraz(k)->setFocus(Qt::OtherFocusReason);
    Suona(ctx_, CueRight);
}

QLineEdit *AddSubProcedure::workTarget() const {
    return frame_.txtFraz(Passo);
}

void AddSubProcedure::emptyWorkingArea() {
    for (QLineEdit *b : frame_.operandBoxes())
        b->setEnabled(true);
    for (int k = 1; k <= 11; ++k)
        frame_.txtFraz(k)->setEnabled(true);
    for (QLineEdit *b : frame_.operandBoxes())
        b->clear();
    for (int k = 1; k <= 11; ++k)
        frame_.txtFraz(k)->clear();
}

void AddSubProcedure::SemplificaVerticale1(bool MostraSoluzione) {
    if (steps_.reduceFirst)
        reduceInBoxes(1, frame_.txtNum1(), frame_.txtDen1(), MostraSoluzione);
}

void AddSubProcedure::SemplificaVerticale2(bool MostraSoluzione) {
    if (steps_.reduceSecond)
        reduceInBoxes(3, frame_.txtNum2(), frame_.txtDen2(), MostraSoluzione);
}

// Steps 10 and 11: the result reduced.
void AddSubProcedure::SemplificaRisultato(bool MostraSoluzione) {
    if (steps_.reduceResult)
        reduceInBoxes(10, frame_.txtFraz(8), frame_.txtFraz(9), MostraSoluzione);
}

// A reduction begins at step first: its notice, its first box asked, the fraction it
// reduces (num over den) crossed out.
void AddSubProcedure::reduceInBoxes(int first, QLineEdit *num, QLineEdit *den,
                                    bool MostraSoluzione) {
    frame_.setNotice(notices::kVerticale);
    Passo = first;
    frame_.txtFraz(first)->setFocus(Qt::OtherFocusReason);
    if (MostraSoluzione)
        write(first);
    num->setEnabled(false);
    if (MostraSoluzione)
        write(first + 1);
    den->setEnabled(false);
}

// Steps 5, 6 and 7: the least common denominator and the two numerators expanded to it.
void AddSubProcedure::DenominatoreComune() {
    write(5);
    write(6, true);
    write(7, true);
}

// Steps 8 and 9: the sum or difference over the common denominator.
void AddSubProcedure::CalcolaRisultato() {
    write(8);
    write(9);
}

// The first step of a problem just put on screen, once SemplificaVerticale1 has crossed out
// the first fraction if it is reduced: the second fraction's reduction, else the common
// denominator, when that comes first.
void AddSubProcedure::ScegliPrimoPasso() {
    if (!steps_.reduceFirst)
        SemplificaVerticale2(false);
    Passo = firstAddSubStep(steps_);
    if (Passo == 5)
        frame_.setNotice(notices::kEsegui);
}

bool AddSubProcedure::accepts(const Problem &problem) const {
    return !differenceIsNegative(problem);
}

void AddSubProcedure::startRefused() {
    if (refusal_ == Refusal::ClearsStep)
        Passo = 0;
    Suona(ctx_, CueWrong);
}

void AddSubProcedure::startCue(ExerciseStart) {
    Suona(ctx_, CueRight);
}

QLineEdit *AddSubProcedure::firstStep(const Problem &problem) {
    frame_.showOperands({problem.Num1, problem.Den1, problem.Num2, problem.Den2});
    steps_ = addSubSteps(problem);
    SemplificaVerticale1(false);
    ScegliPrimoPasso();
    return frame_.txtFraz(Passo);
}

void AddSubProcedure::check() {
    const int k = Passo;
    QLineEdit *box = frame_.txtFraz(k);
    if (!box || !box->isEnabled()) // no current step: leave the screen as it is
        return;
    if (frame_.checkEntry(box, steps_.Risposte[k]) != ExerciseFrame::Entry::Right)
        return;
    const int following = addSubStepAfter(steps_, k);
    if (following == 0) {
        Passo = k + 1;
        frame_.completeExercise();
        return;
    }
    // A stage that begins with a reduction says so and crosses out what it reduces.
    if (following == 3)
        SemplificaVerticale2(false);
    else if (following == 10)
        SemplificaRisultato(false);
    Passo = following;
    next(Passo);
    if (Passo == 5)
        frame_.setNotice(notices::kEsegui);
    else if (Passo == 8)
        frame_.setNotice(notices::kCalcola);
}

void AddSubProcedure::solution(const Problem &problem) {
    Suona(ctx_, CueRight);
    // The solution stands beside the problem it solves.
    frame_.showOperands({problem.Num1, problem.Den1, problem.Num2, problem.Den2});
    steps_ = addSubSteps(problem);
    SemplificaVerticale1(true);
    SemplificaVerticale2(true);
    DenominatoreComune();
    CalcolaRisultato();
    SemplificaRisultato(true);
}

void AddSubProcedure::focusArrived(QWidget *widget) {
    for (int k = 1; k <= 11; ++k) {
        if (widget == frame_.txtFraz(k)) {
            QMetaObject::invokeMethod(this, &AddSubProcedure::focusRule, Qt::QueuedConnection);
            return;
        }
    }
}

// txtFraz_GotFocus, whatever box got the focus; the answers of step 5 are planned already.
void AddSubProcedure::focusRule() {
    const int step = addSubStepOnFocus(steps_, Passo);
    if (step == Passo)
        return;
    frame_.txtFraz(step)->setFocus(Qt::OtherFocusReason);
    Passo = step;
}
