#include "multiplication_procedure.h"

#include "app_context.h"
#include "entry_rules.h"
#include "exercise_frame.h"
#include "exercise_layout.h"
#include "picture_button.h"
#include "product_procedure.h"
#include "random_source.h"
#include "range_options.h"
#include "working_area.h"

#include <QLabel>

MultiplicationProcedure::MultiplicationProcedure(ExerciseFrame &frame, bool pupilEntry)
    : Procedure(&frame), frame_(frame), ctx_(frame.context()), s_(frame.context().state),
      pupilEntry_(pupilEntry) {
    const QPoint shift = pupilEntry ? layout::product::kShiftPupil : QPoint();
    product_ = new ProductProcedure(frame, shift);
    makeSign(&frame, QStringLiteral("lblPiù"), QStringLiteral("x"),
             layout::product::kTimes.translated(shift), 18, false);
    if (pupilEntry)
        frame.notice()->setGeometry(layout::product::kNoticePupil);

    // The stages read the operand boxes, which the pupil may have typed over: the solution
    // always works on the problem as it was given.
    product_->beforeStages = [this] { product_->showOperands(); };
    ExerciseFrame::Hooks &h = frame.hooks();
    h.check = [this] { product_->check(); };
    h.solution = [this] { product_->solution(); };
    h.repeat = [this] { repeat(); };
}

void MultiplicationProcedure::AzzeraSchermo() {
    product_->AzzeraSchermo();
}

void MultiplicationProcedure::startRandom() {
    ctx_.suona(CueClick);
    AzzeraSchermo();
    // A multiplication is never a repeat in progress: both fractions are always drawn.
    drawFraction(s_, *ctx_.random, 1);
    drawFraction(s_, *ctx_.random, 2);
    product_->showOperands();
    begin();
}

bool MultiplicationProcedure::admits(const EnteredProblem &p) {
    if (p.verdict == StartVerdict::Accepted)
        return true;
    ctx_.suona(CueWrong);
    return false;
}

void MultiplicationProcedure::startWithOperands() {
    s_.Passo = 0;
    ctx_.suona(CueClick);
    product_->showOperands();
    begin();
}

void MultiplicationProcedure::begin() {
    product_->beginProduct();
    if (!pupilEntry_)
        frame_.repeatButton()->setEnabled(false);
    ++s_.Avviate;
    frame_.showCounters();
    s_.EsercizioRipetuto = 0;
    s_.RipetizioneInCorso = 0;
}

void MultiplicationProcedure::repeat() {
    ctx_.suona(CueClick);
    AzzeraSchermo();
    product_->showOperands();
    product_->beginProduct();
    s_.EsercizioRipetuto = 1;
    if (!pupilEntry_)
        frame_.repeatButton()->setEnabled(false);
}
