// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "product_procedure.h"

#include "app_context.h"
#include "arithmetic.h"
#include "exercise_frame.h"
#include "notices.h"
#include "product_prompts.h"
#include "working_area.h"
#include "working_layout.h"

#include <QLineEdit>
#include <algorithm>

namespace {
// Each term's chain of places, written outward from its fraction: the operand box, then the
// step boxes. The newest value of a term stands in the outermost filled place.
constexpr int kChain[4][3] = {
    {kPlaceNum1, 1, 5}, // first numerator
    {kPlaceDen1, 2, 6}, // first denominator
    {kPlaceNum2, 3, 7}, // second numerator
    {kPlaceDen2, 4, 8}, // second denominator
};
// The two terms each of the stages A..D reduces against each other, the one asked first
// leading: C starts from the first numerator, D from the first denominator.
constexpr int kStageTerms[4][2] = {{0, 1}, {2, 3}, {0, 3}, {1, 2}};
} // namespace

ProductProcedure::ProductProcedure(ExerciseFrame &frame, QPoint shift)
    : Procedure(&frame), frame_(frame), ctx_(frame.context()) {
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
    for (QLineEdit *b : frame_.operandBoxes())
        b->setEnabled(true);
}

void ProductProcedure::emptySteps() {
    for (int k = 1; k <= 10; ++k) {
        frame_.txtFraz(k)->clear();
        frame_.txtFraz(k)->setEnabled(true);
    }
}

void ProductProcedure::emptyWorkingArea() {
    enableOperands();
    Passo = 0;
    PosSequenza = 0;
    for (QLineEdit *b : frame_.operandBoxes())
        b->clear();
    emptySteps();
}

QLineEdit *ProductProcedure::workTarget() const {
    return frame_.txtFraz(Passo);
}

QLineEdit *ProductProcedure::place(int p) const {
    if (p >= kPlaceNum1 && p <= kPlaceDen2)
        return frame_.operandBoxes()[p - kPlaceNum1];
    return frame_.txtFraz(p);
}

void ProductProcedure::appendStep(int box) {
    if (PosSequenza + 1 >= int(SequenzaPassi.size()))
        return;
    ++PosSequenza;
    SequenzaPassi[PosSequenza] = int16_t(box);
}

void ProductProcedure::ask(int box, long value, bool MostraSoluzione, bool leadingBlank) {
    appendStep(box);
    Risposte[box] = int16_t(value); // at most 99 x 99
    if (MostraSoluzione) {
        const QString digits = QString::number(value);
        frame_.txtFraz(box)->setText(leadingBlank ? QLatin1Char(' ') + digits : digits);
    }
}

// Stages A to E on the product's terms: each stage that simplifies (greatest common divisor
// above 1) appends its two steps to SequenzaPassi with their answers, reading each term
// from the newest place of its chain and asking the next place out; E always applies.
// While the solution is written each step also stands in its box and the places replaced
// are greyed. Passo ends on the second box of the last simplification (0 when none).
void ProductProcedure::workStages(const std::array<int, 4> &terms, bool MostraSoluzione) {
    long value[4] = {terms[0], terms[1], terms[2], terms[3]};
    int level[4] = {0, 0, 0, 0};
    for (const auto &stage : kStageTerms) {
        const long g = mcdOf(value[stage[0]], value[stage[1]]);
        if (g <= 1)
            continue;
        for (const int t : stage) {
            if (MostraSoluzione)
                place(kChain[t][level[t]])->setEnabled(false);
            value[t] /= g;
            Passo = kChain[t][++level[t]];
            ask(Passo, value[t], MostraSoluzione);
        }
    }
    // From the numbers as given: the result comes out in lowest terms all the same.
    const long p = long(terms[2]) * terms[0];
    const long q = long(terms[3]) * terms[1];
    const long g = std::max(1L, mcdOf(p, q)); // 0 only with no problem on screen yet
    ask(9, p / g, MostraSoluzione, true);
    ask(10, q / g, MostraSoluzione, true);
}

void ProductProcedure::solution(const Problem &problem) {
    Suona(ctx_, CueRight);
    emptySteps();
    Passo = 0;
    PosSequenza = 0;
    // The solution always stands on the product as given, even over the pupil's scribbles
    // or in the middle of a division's rewrite.
    const std::array<int, 4> terms = productTerms(problem);
    frame_.showOperands(terms);
    workStages(terms, true);
    PosSequenza = 0;
}

QLineEdit *ProductProcedure::beginProduct(const std::array<int, 4> &terms) {
    // Each product is announced with the right-answer cue as it is prepared.
    Suona(ctx_, CueRight);
    // The terms as plain numbers: a term typed as "07" in a division's rewrite reads "7".
    frame_.showOperands(terms);
    enableOperands();
    emptySteps();
    Passo = 0;
    PosSequenza = 0;
    workStages(terms, false); // Risposte and SequenzaPassi only
    PosSequenza = 1;
    Passo = SequenzaPassi[1];
    frame_.setNotice(notices::kEsegui);
    pairPrompt();
    PassiEseguiti = 0;
    frame_.productStageBegan();
    return frame_.txtFraz(Passo);
}

// A pair of steps begins at PosSequenza: a simplification says which and crosses out the
// two places it replaces; the product pair leaves the notice as it is.
void ProductProcedure::pairPrompt() {
    const int pos = PosSequenza;
    if (pos < 1 || pos + 1 >= int(SequenzaPassi.size()))
        return;
    const PairPrompt prompt = productPairPrompt(SequenzaPassi[pos], SequenzaPassi[pos + 1]);
    if (!prompt.notice)
        return;
    frame_.setNotice(prompt.notice);
    for (int p : prompt.greyed)
        if (QLineEdit *box = place(p))
            box->setEnabled(false);
}

void ProductProcedure::checkProduct() {
    QLineEdit *box = frame_.txtFraz(Passo);
    if (!box) // no current step (Passo 0): nothing to check
        return;
    const ExerciseFrame::Entry entry = frame_.checkEntry(box, Risposte[Passo]);
    if (entry == ExerciseFrame::Entry::Empty)
        return;
    if (entry == ExerciseFrame::Entry::Right && Passo == 10) {
        frame_.completeExercise();
        return;
    }
    if (entry == ExerciseFrame::Entry::Right) {
        Suona(ctx_, CueRight);
        ++PassiEseguiti;
        if (PosSequenza + 1 < int(SequenzaPassi.size()))
            ++PosSequenza;
        Passo = SequenzaPassi[PosSequenza];
        if (PassiEseguiti == 2 || PassiEseguiti == 4 || PassiEseguiti == 6)
            pairPrompt();
        if (QLineEdit *next = frame_.txtFraz(Passo))
            next->setFocus(Qt::OtherFocusReason);
    }
    // After a right answer that leads to the product's numerator, or any wrong one there.
    if (Passo == 9)
        frame_.setNotice(notices::kCalcola);
}
