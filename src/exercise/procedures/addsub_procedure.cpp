// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addsub_procedure.h"

#include "addsub_steps.h"
#include "app_context.h"
#include "arithmetic.h"
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

void AddSubProcedure::write(int box, long value, bool leadingBlank) {
    const QString digits = QString::number(value);
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
    reduceOperand(1, MostraSoluzione);
}

void AddSubProcedure::SemplificaVerticale2(bool MostraSoluzione) {
    reduceOperand(2, MostraSoluzione);
}

// Steps 1 and 2 (which 1) or 3 and 4 (which 2). Every box stays typeable, so the numbers
// come from the problem as given, never from the boxes' text.
void AddSubProcedure::reduceOperand(int which, bool MostraSoluzione) {
    QLineEdit *num = which == 1 ? frame_.txtNum1() : frame_.txtNum2();
    QLineEdit *den = which == 1 ? frame_.txtDen1() : frame_.txtDen2();
    const int first = which == 1 ? 1 : 3;
    const long n = which == 1 ? problem_.Num1 : problem_.Num2;
    const long d = which == 1 ? problem_.Den1 : problem_.Den2;
    const long g = mcdOf(n, d);
    if (g <= 1) // already in lowest terms (0 only for a zero denominator)
        return;
    frame_.setNotice(notices::kVerticale);
    Passo = first;
    // The focus rule runs after this handler, so giving the focus before the answers are
    // stored is safe.
    frame_.txtFraz(first)->setFocus(Qt::OtherFocusReason);
    Risposte[first] = int16_t(n / g);
    if (MostraSoluzione)
        write(first, Risposte[first]);
    num->setEnabled(false);
    Risposte[first + 1] = int16_t(d / g);
    if (MostraSoluzione)
        write(first + 1, Risposte[first + 1]);
    den->setEnabled(false);
}

// The first step is 1 when the first fraction is reducible, else 3 when the second is,
// else 5.
void AddSubProcedure::ScegliPrimoPasso() {
    if (frame_.txtNum1()->isEnabled())
        SemplificaVerticale2(false);
    else
        Passo = 1;
    if (frame_.txtNum2()->isEnabled()) {
        if (frame_.txtNum1()->isEnabled()) {
            Passo = 5;
            frame_.setNotice(notices::kEsegui);
            DenominatoreComune(false);
        }
    } else {
        Passo = 3;
    }
}

// Steps 5, 6 and 7: the least common denominator of the two current denominators and the
// two current numerators expanded to it.
void AddSubProcedure::DenominatoreComune(bool MostraSoluzione) {
    const long d1 = frame_.txtDen1()->isEnabled() ? problem_.Den1 : Risposte[2];
    const long d2 = frame_.txtDen2()->isEnabled() ? problem_.Den2 : Risposte[4];
    if (d1 <= 0 || d2 <= 0) // no problem started yet
        return;
    const long OpMcm1 = d1;
    const long OpMcm2 = d2;
    const long mcm = mcmOf(OpMcm1, OpMcm2);
    Risposte[5] = int16_t(mcm);
    if (MostraSoluzione)
        write(5, mcm);
    const long x = frame_.txtNum1()->isEnabled() ? problem_.Num1 : Risposte[1];
    const long y = frame_.txtNum2()->isEnabled() ? problem_.Num2 : Risposte[3];
    Risposte[6] = int16_t(x * (mcm / OpMcm1));
    Risposte[7] = int16_t(y * (mcm / OpMcm2));
    if (MostraSoluzione) {
        write(6, Risposte[6], true);
        write(7, Risposte[7], true);
    }
}

// Steps 8 and 9: the sum or difference over the common denominator that step 5 expects.
void AddSubProcedure::CalcolaRisultato(bool MostraSoluzione) {
    const bool subtract = problem_.op == Operation::Subtraction;
    Risposte[8] = int16_t(subtract ? Risposte[6] - Risposte[7] : Risposte[6] + Risposte[7]);
    if (MostraSoluzione)
        write(8, Risposte[8]);
    Risposte[9] = Risposte[5];
    if (MostraSoluzione)
        write(9, Risposte[9]);
}

// Steps 10 and 11: the result reduced, when it can be (a zero difference stays as it is).
void AddSubProcedure::SemplificaRisultato(bool MostraSoluzione) {
    const long n = Risposte[8];
    const long d = Risposte[9];
    const long g = mcdOf(n, d);
    if (g <= 1 || n == 0) // only a difference can be 0, and it is never reduced
        return;
    frame_.setNotice(notices::kVerticale);
    Passo = 10;
    frame_.txtFraz(10)->setFocus(Qt::OtherFocusReason);
    Risposte[10] = int16_t(n / g);
    if (MostraSoluzione)
        write(10, Risposte[10]);
    frame_.txtFraz(8)->setEnabled(false);
    Risposte[11] = int16_t(d / g);
    if (MostraSoluzione)
        write(11, Risposte[11]);
    frame_.txtFraz(9)->setEnabled(false);
}

void AddSubProcedure::showOperands() {
    frame_.showOperands({problem_.Num1, problem_.Den1, problem_.Num2, problem_.Den2});
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
    problem_ = problem;
    showOperands();
    SemplificaVerticale1(false);
    ScegliPrimoPasso();
    return frame_.txtFraz(Passo);
}

void AddSubProcedure::check() {
    const int k = Passo;
    QLineEdit *box = frame_.txtFraz(k);
    if (!box || !box->isEnabled()) // no current step: leave the screen as it is
        return;
    if (frame_.checkEntry(box, Risposte[k]) != ExerciseFrame::Entry::Right)
        return;
    // Steps 3 and 4 are asked only while the second fraction is being reduced, 10 and 11
    // only while the result is.
    Passo = k + 1;
    switch (Passo) {
    case 3:
        SemplificaVerticale2(false);
        if (!frame_.txtNum2()->isEnabled()) {
            next(3);
            return;
        }
        Passo = 5;
        break;
    case 4:
        if (!frame_.txtNum2()->isEnabled()) {
            next(4);
            return;
        }
        break;
    case 10:
        SemplificaRisultato(false);
        if (frame_.txtFraz(8)->isEnabled())
            frame_.completeExercise();
        else
            next(10);
        return;
    case 11:
        if (!frame_.txtFraz(8)->isEnabled()) {
            next(11);
            return;
        }
        break;
    case 12:
        frame_.completeExercise();
        return;
    }
    next(Passo);
    if (Passo == 5) {
        DenominatoreComune(false);
        frame_.setNotice(notices::kEsegui);
    } else if (Passo == 8) {
        CalcolaRisultato(false);
        frame_.setNotice(notices::kCalcola);
    }
}

void AddSubProcedure::solution(const Problem &problem) {
    problem_ = problem;
    Suona(ctx_, CueRight);
    showOperands(); // the solution stands beside the problem it solves
    SemplificaVerticale1(true);
    SemplificaVerticale2(true);
    DenominatoreComune(true);
    CalcolaRisultato(true);
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

int AddSubProcedure::stepOnFocus(int Passo, const std::array<int16_t, 13> &Risposte) {
    return Passo == 3 && Risposte[3] == 0 ? 5 : Passo;
}

// txtFraz_GotFocus, whatever box got the focus: a move to step 5 works out its answers.
void AddSubProcedure::focusRule() {
    if (stepOnFocus(Passo, Risposte) == Passo)
        return;
    frame_.txtFraz(5)->setFocus(Qt::OtherFocusReason);
    Passo = 5;
    DenominatoreComune(false);
}
