// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "division_procedure.h"

#include "app_context.h"
#include "entry_rules.h"
#include "exercise_frame.h"
#include "exercise_layout.h"
#include "keypad.h"
#include "notices.h"
#include "picture_button.h"
#include "random_source.h"
#include "range_options.h"
#include "working_area.h"

#include <QLabel>
#include <QLineEdit>

DivisionProcedure::DivisionProcedure(ExerciseFrame &frame, bool pupilEntry)
    : ProductProcedure(frame, layout::product::kShiftDivision), pupilEntry_(pupilEntry) {
    namespace d = layout::division;
    makeSign(&frame, QStringLiteral("lblPiù"), QStringLiteral("x"), d::kTimes, 18, false);
    for (int k = 1; k <= 4; ++k) {
        // Written by the program only: the pupil can neither type here nor land here.
        QLineEdit *box = frame.makeBox(QStringLiteral("txtNumDiv(%1)").arg(k), d::kGiven[k]);
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        given_[k - 1] = box;
    }
    makeBar(&frame, QStringLiteral("Line5"), d::kLine5);
    makeBar(&frame, QStringLiteral("Line3"), d::kLine3);
    makeSign(&frame, QStringLiteral("Label1"), QStringLiteral(":"), d::kDivide, 20.25);
    frame.notice()->setGeometry(pupilEntry ? d::kNoticePupil : d::kNoticeRandom);
}

std::array<int, 4> DivisionProcedure::productTerms() const {
    return {s_.Reciproco[1], s_.Reciproco[2], s_.Reciproco[3], s_.Reciproco[4]};
}

QLineEdit *DivisionProcedure::workTarget() const {
    if (s_.FaseReciproco == 1)
        return rewriteBox(s_.CampoDiv);
    return ProductProcedure::workTarget();
}

// The operand box CampoDiv names: 1 txtNum1, 2 txtDen1, 3 txtNum2, 4 txtDen2.
QLineEdit *DivisionProcedure::rewriteBox(int campo) const {
    return campo >= 1 && campo <= 4 ? frame_.operandBoxes()[campo - 1] : nullptr;
}

void DivisionProcedure::clearGiven() {
    for (QLineEdit *b : given_)
        b->clear();
}

// The division as posed on its row, and what its rewrite expects: the first fraction
// copied, the second turned upside down.
void DivisionProcedure::showGiven() {
    const int given[] = {s_.Num1, s_.Den1, s_.Num2, s_.Den2};
    for (int i = 0; i < 4; ++i)
        given_[i]->setText(QString::number(given[i]));
    s_.Reciproco = {0, int16_t(s_.Num1), int16_t(s_.Den1), int16_t(s_.Den2), int16_t(s_.Num2)};
}

void DivisionProcedure::AzzeraSchermo() {
    ProductProcedure::AzzeraSchermo();
    if (pupilEntry_)
        clearGiven();
}

void DivisionProcedure::clearProblem() {
    AzzeraSchermo();
    clearGiven();
}

// The rewrite asked from its first box.
void DivisionProcedure::beginRewrite() {
    frame_.askFirstStep(frame_.txtNum1());
    frame_.setNotice(notices::kEsegui);
    s_.FaseReciproco = 1;
    s_.CampoDiv = 1;
}

void DivisionProcedure::startRandom() {
    ctx_.suona(CueRight);
    AzzeraSchermo();
    const bool fresh = s_.RipetizioneInCorso == 0;
    if (fresh) {
        drawFraction(s_, *ctx_.random, 1);
        drawFraction(s_, *ctx_.random, 2);
    }
    showGiven();
    beginRewrite();
    // In a repeat EsercizioRipetuto is already 1, as "Ripeti" set it.
    frame_.startExercise(fresh ? ExerciseFrame::Start::New : ExerciseFrame::Start::Repeat);
}

bool DivisionProcedure::admits(const EnteredProblem &p) {
    ctx_.suona(CueRight);
    if (p.verdict == StartVerdict::Accepted)
        return true;
    ctx_.suona(CueWrong);
    return false;
}

void DivisionProcedure::startWithOperands() {
    showGiven();
    beginRewrite();
    // A typed problem is always a new exercise, even when a repeated rewrite was left
    // unfinished for it: counted, scored, and the repeat is over.
    frame_.startExercise(ExerciseFrame::Start::New);
}

void DivisionProcedure::repeat() {
    if (pupilEntry_)
        AzzeraSchermo(); // the random screen's start does it
    ctx_.suona(CueClick);
    frame_.repeatButton()->setEnabled(false);
    s_.PosSequenza = 0;
    s_.EsercizioRipetuto = 1;
    s_.RipetizioneInCorso = 1;
    if (!pupilEntry_) {
        startRandom(); // draws nothing while the repeat is in progress
        return;
    }
    // Not a start: RipetizioneInCorso stays 1 until the product begins or a new problem
    // starts.
    showGiven();
    beginRewrite();
}

void DivisionProcedure::check() {
    if (s_.FaseReciproco == 1)
        checkRewrite();
    else
        checkProduct();
}

void DivisionProcedure::checkRewrite() {
    QLineEdit *box = rewriteBox(s_.CampoDiv);
    if (!box || frame_.checkEntry(box, s_.Reciproco[s_.CampoDiv]) != ExerciseFrame::Entry::Right)
        return;
    if (s_.CampoDiv < 4) {
        ++s_.CampoDiv;
        rewriteBox(s_.CampoDiv)->setFocus(Qt::OtherFocusReason);
        ctx_.suona(CueRight);
        return;
    }
    ctx_.suona(CueRight);
    s_.FaseReciproco = 0;
    s_.CampoDiv = 0;
    AvviaMoltiplicazione();
}

// Not a start either: the exercise was counted when its rewrite began. "Ripeti" stays
// usable for the whole product and restarts the rewrite.
void DivisionProcedure::AvviaMoltiplicazione() {
    s_.PosSequenza = 0;
    beginProduct(true);
    s_.RipetizioneInCorso = 0;
}
