// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "multiplication_procedure.h"

#include "app_context.h"
#include "exercise_frame.h"
#include "working_area.h"
#include "working_layout.h"

MultiplicationProcedure::MultiplicationProcedure(ExerciseFrame &frame, QPoint shift)
    : ProductProcedure(frame, shift) {
    makeSign(&frame, QStringLiteral("lblPiù"), QStringLiteral("x"),
             layout::product::kTimes.translated(shift), 18, false);
}

std::array<int, 4> MultiplicationProcedure::productTerms(const Problem &p) const {
    return {p.Num1, p.Den1, p.Num2, p.Den2};
}

void MultiplicationProcedure::startRefused() {
    Suona(ctx_, CueWrong);
}

void MultiplicationProcedure::startCue(ExerciseStart) {
    Suona(ctx_, CueClick);
}
