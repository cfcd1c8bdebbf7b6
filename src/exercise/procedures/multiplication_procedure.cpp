// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "multiplication_procedure.h"

#include "app_context.h"
#include "entry_rules.h"
#include "exercise_frame.h"
#include "exercise_layout.h"
#include "range_options.h"
#include "working_area.h"

#include <QLabel>

MultiplicationProcedure::MultiplicationProcedure(ExerciseFrame &frame, bool pupilEntry)
    : ProductProcedure(frame, pupilEntry ? layout::product::kShiftPupil : QPoint()),
      pupilEntry_(pupilEntry) {
    const QPoint shift = pupilEntry ? layout::product::kShiftPupil : QPoint();
    makeSign(&frame, QStringLiteral("lblPiù"), QStringLiteral("x"),
             layout::product::kTimes.translated(shift), 18, false);
    if (pupilEntry)
        frame.notice()->setGeometry(layout::product::kNoticePupil);
}

std::array<int, 4> MultiplicationProcedure::productTerms() const {
    return {s_.Num1, s_.Den1, s_.Num2, s_.Den2};
}

// The start's click, then the product's own cue.
void MultiplicationProcedure::startRandom() {
    ctx_.suona(CueClick);
    AzzeraSchermo();
    // A multiplication is never a repeat in progress: both fractions are always drawn.
    drawFraction(s_, *ctx_.random, 1);
    drawFraction(s_, *ctx_.random, 2);
    beginProduct(pupilEntry_);
    frame_.startExercise(ExerciseFrame::Start::New);
}

bool MultiplicationProcedure::admits(const EnteredProblem &p) {
    if (p.verdict == StartVerdict::Accepted)
        return true;
    ctx_.suona(CueWrong);
    return false;
}

void MultiplicationProcedure::startWithOperands() {
    ctx_.suona(CueClick);
    beginProduct(pupilEntry_);
    frame_.startExercise(ExerciseFrame::Start::New);
}

void MultiplicationProcedure::repeat() {
    ctx_.suona(CueClick);
    AzzeraSchermo();
    beginProduct(pupilEntry_);
    frame_.startExercise(ExerciseFrame::Start::Repeat);
}
