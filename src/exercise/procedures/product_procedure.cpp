#include "product_procedure.h"

#include "app_context.h"
#include "box_values.h"
#include "exercise_frame.h"
#include "exercise_layout.h"
#include "keypad.h"
#include "picture_button.h"
#include "product_prompts.h"
#include "working_area.h"

#include <QLineEdit>

namespace {
layout::Bar shifted(layout::Bar b, QPoint by) {
    return {b.x1 + by.x(), b.x2 + by.x(), b.y + by.y()};
}
} // namespace

ProductProcedure::ProductProcedure(ExerciseFrame &frame, QPoint shift)
    : QObject(&frame), frame_(frame), ctx_(frame.context()), s_(frame.context().state) {
    namespace p = layout::product;
    frame.setOperandBoxes(frame.makeBox(QStringLiteral("txtNum1"), p::kNum1.translated(shift)),
                          frame.makeBox(QStringLiteral("txtDen1"), p::kDen1.translated(shift)),
                          frame.makeBox(QStringLiteral("txtNum2"), p::kNum2.translated(shift)),
                          frame.makeBox(QStringLiteral("txtDen2"), p::kDen2.translated(shift)));
    for (int k = 1; k <= 10; ++k)
        frame.setStepBox(
            k, frame.makeBox(QStringLiteral("txtFraz(%1)").arg(k), p::kStep[k].translated(shift)));
    makeBar(&frame, QStringLiteral("Line1"), shifted(p::kLine1, shift));
    makeBar(&frame, QStringLiteral("Line2"), shifted(p::kLine2, shift));
    makeBar(&frame, QStringLiteral("Line4"), shifted(p::kLine4, shift));
    makeSign(&frame, QStringLiteral("Label2"), QStringLiteral("="), p::kEquals.translated(shift));
}

void ProductProcedure::enableOperands() {
    for (QLineEdit *b : {frame_.txtNum1(), frame_.txtDen1(), frame_.txtNum2(), frame_.txtDen2()})
        b->setEnabled(true);
}

void ProductProcedure::emptySteps() {
    for (int k = 1; k <= 10; ++k) {
        frame_.txtFraz(k)->clear();
        frame_.txtFraz(k)->setEnabled(true);
    }
}

void ProductProcedure::AzzeraSchermo() {
    enableOperands();
    frame_.solutionButton()->setEnabled(false);
    frame_.repeatButton()->setEnabled(false);
    frame_.keypadFrame()->setEnabled(false);
    s_.Passo = 0;
    s_.PosSequenza = 0;
    for (QLineEdit *b : {frame_.txtNum1(), frame_.txtDen1(), frame_.txtNum2(), frame_.txtDen2()})
        b->clear();
    emptySteps();
}

void ProductProcedure::showOperands() {
    frame_.txtNum1()->setText(QString::number(s_.Num1));
    frame_.txtDen1()->setText(QString::number(s_.Den1));
    frame_.txtNum2()->setText(QString::number(s_.Num2));
    frame_.txtDen2()->setText(QString::number(s_.Den2));
}

QLineEdit *ProductProcedure::place(int p) const {
    switch (p) {
    case kPlaceNum1:
        return frame_.txtNum1();
    case kPlaceDen1:
        return frame_.txtDen1();
    case kPlaceNum2:
        return frame_.txtNum2();
    case kPlaceDen2:
        return frame_.txtDen2();
    default:
        return frame_.txtFraz(p);
    }
}

long ProductProcedure::gcdOf(long a, long b) {
    s_.CalcolaMCD(a, b); // on copies: it overwrites its arguments
    return s_.MCD;
}

void ProductProcedure::appendStep(int box) {
    if (s_.PosSequenza + 1 >= int(s_.SequenzaPassi.size()))
        return;
    ++s_.PosSequenza;
    s_.SequenzaPassi[s_.PosSequenza] = int16_t(box);
}

void ProductProcedure::ask(int box, long value, bool leadingBlank) {
    appendStep(box);
    s_.Risposte[box] = asAnswer(value);
    const QString digits = QString::number(value);
    frame_.txtFraz(box)->setText(leadingBlank ? QLatin1Char(' ') + digits : digits);
}

void ProductProcedure::semplificaVerticale(QLineEdit *num, QLineEdit *den, int firstBox) {
    if (num->text().isEmpty() || den->text().isEmpty())
        return;
    const long n = boxValue(num);
    const long d = boxValue(den);
    const long g = gcdOf(n, d);
    if (g <= 1) // lowest terms already (0 only for a box that holds no number)
        return;
    // The focus rule runs once this handler is over, so focusing first is safe.
    for (int k : {firstBox, firstBox + 1}) {
        s_.Passo = k;
        frame_.txtFraz(k)->setFocus(Qt::OtherFocusReason);
        ask(k, (k == firstBox ? n : d) / g);
    }
    num->setEnabled(false);
    den->setEnabled(false);
}

void ProductProcedure::SemplificaVerticale1() {
    semplificaVerticale(frame_.txtNum1(), frame_.txtDen1(), 1);
}

void ProductProcedure::SemplificaVerticale2() {
    semplificaVerticale(frame_.txtNum2(), frame_.txtDen2(), 3);
}

// Each term is read from its newest place: the inner step box when an earlier stage filled
// it, else the operand box; the reduced value goes one place further out.
void ProductProcedure::semplificaDiagonale(int innerA, int outerA, QLineEdit *operandA, int innerB,
                                           int outerB, QLineEdit *operandB) {
    const bool fromA = !frame_.txtFraz(innerA)->text().isEmpty();
    const bool fromB = !frame_.txtFraz(innerB)->text().isEmpty();
    QLineEdit *sourceA = fromA ? frame_.txtFraz(innerA) : operandA;
    QLineEdit *sourceB = fromB ? frame_.txtFraz(innerB) : operandB;
    const long a = boxValue(sourceA);
    const long b = boxValue(sourceB);
    const long g = gcdOf(a, b);
    if (g <= 1)
        return;
    s_.Passo = fromA ? outerA : innerA;
    ask(s_.Passo, a / g);
    s_.Passo = fromB ? outerB : innerB;
    ask(s_.Passo, b / g);
    sourceA->setEnabled(false);
    sourceB->setEnabled(false);
}

void ProductProcedure::SemplificaDiagonale1() {
    semplificaDiagonale(1, 5, frame_.txtNum1(), 4, 8, frame_.txtDen2());
}

void ProductProcedure::SemplificaDiagonale2() {
    semplificaDiagonale(2, 6, frame_.txtDen1(), 3, 7, frame_.txtNum2());
}

void ProductProcedure::CalcolaProdotto() {
    // The numbers as first shown: the result comes out in lowest terms all the same.
    const long p = boxValue(frame_.txtNum2()) * boxValue(frame_.txtNum1());
    const long q = boxValue(frame_.txtDen2()) * boxValue(frame_.txtDen1());
    long g = gcdOf(p, q);
    if (g < 1) // only for boxes that hold no number
        g = 1;
    ask(9, p / g, true);
    ask(10, q / g, true);
}

void ProductProcedure::solution() {
    ctx_.suona(CueRight);
    s_.MostraSoluzione = 1;
    emptySteps();
    s_.Passo = 0;
    s_.PosSequenza = 0;
    if (beforeStages)
        beforeStages();
    SemplificaVerticale1();
    SemplificaVerticale2();
    SemplificaDiagonale1();
    SemplificaDiagonale2();
    CalcolaProdotto();
    frame_.solutionShown();
    s_.MostraSoluzione = 0;
    s_.PosSequenza = 0;
}

void ProductProcedure::beginProduct() {
    solution();
    enableOperands();
    emptySteps();
    s_.PosSequenza = 1;
    s_.Passo = s_.SequenzaPassi[1];
    frame_.setNotice(QStringLiteral("Esegui"));
    pairPrompt();
    s_.PassiEseguiti = 0;
    if (QLineEdit *box = frame_.txtFraz(s_.Passo))
        box->setFocus(Qt::OtherFocusReason);
    frame_.solutionButton()->setEnabled(true);
    frame_.keypadFrame()->setEnabled(true);
}

// A pair of steps begins at PosSequenza: a simplification says which and crosses out the
// two places it replaces; the product pair leaves the notice as it is.
void ProductProcedure::pairPrompt() {
    const int pos = s_.PosSequenza;
    if (pos < 1 || pos + 1 >= int(s_.SequenzaPassi.size()))
        return;
    const PairPrompt prompt = productPairPrompt(s_.SequenzaPassi[pos], s_.SequenzaPassi[pos + 1]);
    if (!prompt.notice)
        return;
    frame_.setNotice(QString::fromUtf8(prompt.notice));
    for (int p : prompt.greyed)
        if (QLineEdit *box = place(p))
            box->setEnabled(false);
}

void ProductProcedure::check() {
    QLineEdit *box = frame_.txtFraz(s_.Passo);
    if (!box) // no current step (Passo 0): nothing to check
        return;
    if (box->text().isEmpty()) {
        box->setFocus(Qt::OtherFocusReason);
        return;
    }
    int value = 0;
    const bool right = entryValue(box->text(), value) && value == s_.Risposte[s_.Passo];
    if (right && s_.Passo == 10) {
        frame_.completeExercise();
        return;
    }
    if (right) {
        ctx_.suona(CueRight);
        ++s_.PassiEseguiti;
        if (s_.PosSequenza + 1 < int(s_.SequenzaPassi.size()))
            ++s_.PosSequenza;
        s_.Passo = s_.SequenzaPassi[s_.PosSequenza];
        if (s_.PassiEseguiti == 2 || s_.PassiEseguiti == 4 || s_.PassiEseguiti == 6)
            pairPrompt();
        if (QLineEdit *next = frame_.txtFraz(s_.Passo))
            next->setFocus(Qt::OtherFocusReason);
    } else {
        frame_.wrongAnswer(box);
    }
    if (s_.Passo == 9)
        frame_.setNotice(QStringLiteral("Calcola"));
}
