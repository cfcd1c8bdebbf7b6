#include "addsub_procedure.h"

#include "app_context.h"
#include "box_values.h"
#include "entry_rules.h"
#include "exercise_frame.h"
#include "exercise_layout.h"
#include "fonts.h"
#include "keypad.h"
#include "picture_button.h"
#include "random_source.h"
#include "range_options.h"
#include "working_area.h"

#include <QLabel>
#include <QLineEdit>

namespace {
const QString kSemplifica = QStringLiteral("Semplifica in verticale");
} // namespace

AddSubProcedure::AddSubProcedure(ExerciseFrame &frame, bool subtract)
    : Procedure(&frame), frame_(frame), ctx_(frame.context()), s_(frame.context().state),
      subtract_(subtract) {
    namespace a = layout::addsub;
    frame.setOperandBoxes(frame.makeBox(QStringLiteral("txtNum1"), a::kNum1),
                          frame.makeBox(QStringLiteral("txtDen1"), a::kDen1),
                          frame.makeBox(QStringLiteral("txtNum2"), a::kNum2),
                          frame.makeBox(QStringLiteral("txtDen2"), a::kDen2));
    for (int k = 1; k <= 11; ++k)
        frame.setStepBox(k, frame.makeBox(QStringLiteral("txtFraz(%1)").arg(k), a::kStep[k]));
    const QString sign = subtract ? QStringLiteral("-") : QStringLiteral("+");
    makeSign(&frame, QStringLiteral("lblPiù"), sign, a::kOperator);
    makeSign(&frame, QStringLiteral("Label1"), sign, a::kRowOperator);
    makeSign(&frame, QStringLiteral("Label2"), QStringLiteral("="), a::kEquals);
    for (int i = 0; i < int(a::kBars.size()); ++i)
        makeBar(&frame, QStringLiteral("Line%1").arg(i + 1), a::kBars[i]);

    ExerciseFrame::Hooks &h = frame.hooks();
    h.check = [this] { check(); };
    h.solution = [this] { solution(); };
    h.repeat = [this] { repeat(); };
    h.focusRuleJumped = [this] { DenominatoreComune(); };
}

void AddSubProcedure::write(int box, long value, bool leadingBlank) {
    const QString digits = QString::number(value);
    frame_.txtFraz(box)->setText(leadingBlank ? QLatin1Char(' ') + digits : digits);
}

void AddSubProcedure::AzzeraSchermo() {
    for (QLineEdit *b : {frame_.txtNum1(), frame_.txtDen1(), frame_.txtNum2(), frame_.txtDen2()})
        b->setEnabled(true);
    for (int k = 1; k <= 11; ++k)
        frame_.txtFraz(k)->setEnabled(true);
    frame_.solutionButton()->setEnabled(false);
    frame_.repeatButton()->setEnabled(false);
    frame_.keypadFrame()->setEnabled(false);
    for (QLineEdit *b : {frame_.txtNum1(), frame_.txtDen1(), frame_.txtNum2(), frame_.txtDen2()})
        b->clear();
    for (int k = 1; k <= 11; ++k)
        frame_.txtFraz(k)->clear();
}

// The steps work on the problem as it was given and on the answers as they were confirmed,
// never on the boxes' text: every box stays typeable, and a pupil who scribbles over an
// operand or an answered box must not change what the next steps ask.
void AddSubProcedure::semplificaVerticale(int which) {
    QLineEdit *num = which == 1 ? frame_.txtNum1() : frame_.txtNum2();
    QLineEdit *den = which == 1 ? frame_.txtDen1() : frame_.txtDen2();
    const int first = which == 1 ? 1 : 3;
    const long n = which == 1 ? s_.Num1 : s_.Num2;
    const long d = which == 1 ? s_.Den1 : s_.Den2;
    long a = n, b = d;
    s_.CalcolaMCD(a, b);
    if (s_.MCD <= 1) // already in lowest terms (0 only for a zero denominator)
        return;
    frame_.setNotice(kSemplifica);
    s_.Passo = first;
    // The focus rule runs after this handler, so giving the focus before the answers are
    // stored is safe.
    frame_.txtFraz(first)->setFocus(Qt::OtherFocusReason);
    s_.Risposte[first] = int16_t(n / s_.MCD);
    if (s_.MostraSoluzione == 1)
        write(first, s_.Risposte[first]);
    num->setEnabled(false);
    s_.Risposte[first + 1] = int16_t(d / s_.MCD);
    if (s_.MostraSoluzione == 1)
        write(first + 1, s_.Risposte[first + 1]);
    den->setEnabled(false);
}

void AddSubProcedure::SemplificaVerticale1() {
    semplificaVerticale(1);
}

void AddSubProcedure::SemplificaVerticale2() {
    semplificaVerticale(2);
}

void AddSubProcedure::ScegliPrimoPasso() {
    if (frame_.txtNum1()->isEnabled())
        SemplificaVerticale2();
    else
        s_.Passo = 1;
    if (frame_.txtNum2()->isEnabled()) {
        if (frame_.txtNum1()->isEnabled()) {
            s_.Passo = 5;
            frame_.setNotice(QStringLiteral("Esegui"));
            DenominatoreComune();
        }
    } else {
        s_.Passo = 3;
    }
    frame_.txtFraz(s_.Passo)->setFocus(Qt::OtherFocusReason);
    frame_.solutionButton()->setEnabled(true);
    frame_.keypadFrame()->setEnabled(true);
}

void AddSubProcedure::DenominatoreComune() {
    const bool first = frame_.txtDen1()->isEnabled();
    const bool second = frame_.txtDen2()->isEnabled();
    const long d1 = first ? s_.Den1 : s_.Risposte[2];
    const long d2 = second ? s_.Den2 : s_.Risposte[4];
    if (d1 <= 0 || d2 <= 0) // no problem started yet
        return;
    s_.OpMcm1 = d1;
    s_.OpMcm2 = d2;
    long a = d1, b = d2;
    s_.CalcolaMcm(a, b);
    s_.Risposte[5] = int16_t(s_.mcm);
    if (s_.MostraSoluzione == 1)
        write(5, s_.mcm);
    const long x = frame_.txtNum1()->isEnabled() ? s_.Num1 : s_.Risposte[1];
    const long y = frame_.txtNum2()->isEnabled() ? s_.Num2 : s_.Risposte[3];
    s_.Risposte[6] = int16_t(x * (s_.mcm / s_.OpMcm1));
    s_.Risposte[7] = int16_t(y * (s_.mcm / s_.OpMcm2));
    if (s_.MostraSoluzione == 1) {
        write(6, s_.Risposte[6], true);
        write(7, s_.Risposte[7], true);
    }
}

void AddSubProcedure::CalcolaRisultato() {
    s_.Risposte[8] =
        int16_t(subtract_ ? s_.Risposte[6] - s_.Risposte[7] : s_.Risposte[6] + s_.Risposte[7]);
    if (s_.MostraSoluzione == 1)
        write(8, s_.Risposte[8]);
    s_.Risposte[9] = int16_t(s_.mcm);
    if (s_.MostraSoluzione == 1)
        write(9, s_.mcm);
}

void AddSubProcedure::SemplificaRisultato() {
    const long n = s_.Risposte[8];
    const long d = s_.Risposte[9];
    long a = n, b = d;
    s_.CalcolaMCD(a, b);
    if (s_.MCD <= 1)
        return;
    if (subtract_ && n == 0) // a zero difference stays as it is
        return;
    frame_.setNotice(kSemplifica);
    s_.Passo = 10;
    frame_.txtFraz(10)->setFocus(Qt::OtherFocusReason);
    s_.Risposte[10] = int16_t(n / s_.MCD);
    if (s_.MostraSoluzione == 1)
        write(10, s_.Risposte[10]);
    frame_.txtFraz(8)->setEnabled(false);
    s_.Risposte[11] = int16_t(d / s_.MCD);
    if (s_.MostraSoluzione == 1)
        write(11, s_.Risposte[11]);
    frame_.txtFraz(9)->setEnabled(false);
}

void AddSubProcedure::showOperands() {
    frame_.txtNum1()->setText(QString::number(s_.Num1));
    frame_.txtDen1()->setText(QString::number(s_.Den1));
    frame_.txtNum2()->setText(QString::number(s_.Num2));
    frame_.txtDen2()->setText(QString::number(s_.Den2));
}

void AddSubProcedure::drawFractions() {
    AzzeraSchermo();
    drawFraction(s_, *ctx_.random, 1);
    drawFraction(s_, *ctx_.random, 2);
    showOperands();
}

void AddSubProcedure::startRandom() {
    if (subtract_) {
        ctx_.suona(CueRight);
        // Compared exactly by cross-multiplying: the denominators are positive.
        do
            drawFractions();
        while (long(s_.Num1) * s_.Den2 < long(s_.Num2) * s_.Den1);
    } else {
        s_.Passo = 0;
        s_.EsercizioRipetuto = 0;
        ctx_.suona(CueRight);
        drawFractions();
    }
    firstStep();
    s_.EsercizioRipetuto = 0;
    ++s_.Avviate;
    frame_.showCounters();
}

bool AddSubProcedure::admits(const EnteredProblem &p) {
    if (subtract_)
        s_.Passo = 0; // whether or not the start succeeds
    const bool firstSmaller = subtract_ && p.verdict == StartVerdict::Accepted &&
                              fractionLess(p.num1, p.den1, p.num2, p.den2);
    if (p.verdict != StartVerdict::Accepted || firstSmaller) {
        ctx_.suona(CueWrong);
        return false;
    }
    return true;
}

void AddSubProcedure::startWithOperands() {
    if (!subtract_) {
        s_.Passo = 0;
        s_.EsercizioRipetuto = 0;
    }
    ctx_.suona(CueRight);
    frame_.keypadFrame()->setEnabled(true);
    frame_.solutionButton()->setEnabled(true);
    showOperands();
    firstStep();
    if (subtract_)
        s_.EsercizioRipetuto = 0;
    ++s_.Avviate;
    frame_.showCounters();
}

void AddSubProcedure::firstStep() {
    SemplificaVerticale1();
    ScegliPrimoPasso();
}

void AddSubProcedure::check() {
    const int k = s_.Passo;
    QLineEdit *box = frame_.txtFraz(k);
    if (!box || !box->isEnabled()) // no current step: leave the screen as it is
        return;
    if (box->text().isEmpty()) {
        box->setFocus(Qt::OtherFocusReason);
        return;
    }
    int value = 0;
    if (!entryValue(box->text(), value) || value != s_.Risposte[k]) {
        frame_.wrongAnswer(box);
        return;
    }
    s_.Passo = k + 1;
    const int p = s_.Passo;
    if (p == 3) {
        SemplificaVerticale2();
        if (!frame_.txtNum2()->isEnabled()) {
            frame_.txtFraz(3)->setFocus(Qt::OtherFocusReason);
            ctx_.suona(CueRight);
            return;
        }
        s_.Passo = 5;
    } else if (p == 4 && !frame_.txtNum2()->isEnabled()) {
        frame_.txtFraz(4)->setFocus(Qt::OtherFocusReason);
        ctx_.suona(CueRight);
        return;
    } else if (p == 10) {
        SemplificaRisultato();
        if (frame_.txtFraz(8)->isEnabled()) {
            frame_.completeExercise();
        } else {
            frame_.txtFraz(10)->setFocus(Qt::OtherFocusReason);
            ctx_.suona(CueRight);
        }
        return;
    } else if (p == 11 && !frame_.txtFraz(8)->isEnabled()) {
        frame_.txtFraz(11)->setFocus(Qt::OtherFocusReason);
        ctx_.suona(CueRight);
        return;
    } else if (p == 12) {
        frame_.completeExercise();
        return;
    }
    frame_.txtFraz(s_.Passo)->setFocus(Qt::OtherFocusReason);
    if (s_.Passo == 5) {
        DenominatoreComune();
        frame_.setNotice(QStringLiteral("Esegui"));
    } else if (s_.Passo == 8) {
        CalcolaRisultato();
        frame_.setNotice(QStringLiteral("Calcola"));
    }
    ctx_.suona(CueRight);
}

void AddSubProcedure::solution() {
    ctx_.suona(CueRight);
    s_.MostraSoluzione = 1;
    showOperands(); // the solution stands beside the problem it solves
    SemplificaVerticale1();
    SemplificaVerticale2();
    DenominatoreComune();
    CalcolaRisultato();
    SemplificaRisultato();
    frame_.solutionShown();
    s_.MostraSoluzione = 0;
}

void AddSubProcedure::repeat() {
    ctx_.suona(CueRight);
    AzzeraSchermo();
    frame_.solutionButton()->setEnabled(true);
    showOperands();
    firstStep();
    s_.EsercizioRipetuto = 1;
}
