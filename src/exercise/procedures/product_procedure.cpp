// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "product_procedure.h"

#include "app_context.h"
#include "exercise_frame.h"
#include "notices.h"
#include "product_prompts.h"
#include "working_area.h"
#include "working_layout.h"

#include <QLineEdit>

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

void ProductProcedure::solution(const Problem &problem) {
    Suona(ctx_, CueRight);
    emptySteps();
    // The solution always stands on the product as given, even over the pupil's scribbles
    // or in the middle of a division's rewrite.
    const std::array<int, 4> terms = productTerms(problem);
    frame_.showOperands(terms);
    plan_ = productSteps(terms);
    // Each step crosses out the place it replaces as it is written; Passo is left on the
    // second box of the last simplification (0 when none).
    Passo = 0;
    for (int pos = 1; pos <= plan_.count; ++pos) {
        const int box = plan_.SequenzaPassi[pos];
        const int replaced = plan_.replaces[box];
        if (replaced)
            place(replaced)->setEnabled(false);
        // The product itself is written with one leading blank.
        const QString digits = QString::number(plan_.Risposte[box]);
        frame_.txtFraz(box)->setText(box >= 9 ? QLatin1Char(' ') + digits : digits);
        if (replaced)
            Passo = box;
    }
    PosSequenza = 0;
}

QLineEdit *ProductProcedure::beginProduct(const std::array<int, 4> &terms) {
    // Each product is announced with the right-answer cue as it is prepared.
    Suona(ctx_, CueRight);
    // The terms as plain numbers: a term typed as "07" in a division's rewrite reads "7".
    frame_.showOperands(terms);
    enableOperands();
    emptySteps();
    plan_ = productSteps(terms);
    PosSequenza = 1;
    Passo = plan_.SequenzaPassi[1];
    frame_.setNotice(notices::kEsegui);
    pairPrompt();
    PassiEseguiti = 0;
    frame_.productStageBegan();
    return frame_.txtFraz(Passo);
}

// A pair of steps begins at PosSequenza: a simplification says which and crosses out the
// two places it replaces; the product pair leaves the notice as it is.
void ProductProcedure::pairPrompt() {
    const auto &SequenzaPassi = plan_.SequenzaPassi;
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
    const ExerciseFrame::Entry entry = frame_.checkEntry(box, plan_.Risposte[Passo]);
    if (entry == ExerciseFrame::Entry::Empty)
        return;
    if (entry == ExerciseFrame::Entry::Right && Passo == 10) {
        frame_.completeExercise();
        return;
    }
    if (entry == ExerciseFrame::Entry::Right) {
        Suona(ctx_, CueRight);
        ++PassiEseguiti;
        if (PosSequenza + 1 < int(plan_.SequenzaPassi.size()))
            ++PosSequenza;
        Passo = plan_.SequenzaPassi[PosSequenza];
        if (PassiEseguiti == 2 || PassiEseguiti == 4 || PassiEseguiti == 6)
            pairPrompt();
        if (QLineEdit *next = frame_.txtFraz(Passo))
            next->setFocus(Qt::OtherFocusReason);
    }
    // After a right answer that leads to the product's numerator, or any wrong one there.
    if (Passo == 9)
        frame_.setNotice(notices::kCalcola);
}
