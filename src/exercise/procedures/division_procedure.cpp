#include "division_procedure.h"

#include "app_context.h"
#include "box_values.h"
#include "entry_rules.h"
#include "exercise_frame.h"
#include "exercise_layout.h"
#include "keypad.h"
#include "picture_button.h"
#include "product_procedure.h"
#include "random_source.h"
#include "range_options.h"
#include "working_area.h"

#include <QLabel>
#include <QLineEdit>

DivisionProcedure::DivisionProcedure(ExerciseFrame &frame, bool pupilEntry)
    : Procedure(&frame), frame_(frame), ctx_(frame.context()), s_(frame.context().state),
      pupilEntry_(pupilEntry) {
    namespace d = layout::division;
    product_ = new ProductProcedure(frame, layout::product::kShiftDivision);
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

    // The solution always stands on the rewritten product, even when it is asked for in
    // the middle of the rewrite.
    product_->beforeStages = [this] { writeReciproco(); };
    ExerciseFrame::Hooks &h = frame.hooks();
    h.check = [this] { check(); };
    h.solution = [this] { product_->solution(); };
    h.repeat = [this] { repeat(); };
    h.workTarget = [this]() -> QLineEdit * {
        if (s_.FaseReciproco == 1)
            return rewriteBox(s_.CampoDiv);
        return frame_.txtFraz(s_.Passo);
    };
}

QLineEdit *DivisionProcedure::rewriteBox(int campo) const {
    switch (campo) {
    case 1:
        return frame_.txtNum1();
    case 2:
        return frame_.txtDen1();
    case 3:
        return frame_.txtNum2();
    case 4:
        return frame_.txtDen2();
    default:
        return nullptr;
    }
}

void DivisionProcedure::clearGiven() {
    for (QLineEdit *b : given_)
        b->clear();
}

// The given fraction first (1) or second (3) shown on its row.
void DivisionProcedure::showGiven(int first) {
    const int num = first == 1 ? s_.Num1 : s_.Num2;
    const int den = first == 1 ? s_.Den1 : s_.Den2;
    given_[first - 1]->setText(QString::number(num));
    given_[first]->setText(QString::number(den));
    if (first == 1) {
        s_.Reciproco[1] = int16_t(s_.Num1);
        s_.Reciproco[2] = int16_t(s_.Den1);
    } else {
        s_.Reciproco[3] = int16_t(s_.Den2);
        s_.Reciproco[4] = int16_t(s_.Num2);
    }
}

void DivisionProcedure::writeReciproco() {
    for (int k = 1; k <= 4; ++k)
        rewriteBox(k)->setText(QString::number(s_.Reciproco[k]));
}

void DivisionProcedure::AzzeraSchermo() {
    product_->AzzeraSchermo();
    if (pupilEntry_)
        clearGiven();
}

void DivisionProcedure::clearProblem() {
    AzzeraSchermo();
    clearGiven();
}

// The rewrite asked from its first box.
void DivisionProcedure::beginRewrite() {
    frame_.txtNum1()->setFocus(Qt::OtherFocusReason);
    frame_.keypadFrame()->setEnabled(true);
    frame_.solutionButton()->setEnabled(true);
    frame_.setNotice(QStringLiteral("Esegui"));
    s_.FaseReciproco = 1;
    s_.CampoDiv = 1;
}

void DivisionProcedure::startRandom() {
    ctx_.suona(CueRight);
    AzzeraSchermo();
    const bool fresh = s_.RipetizioneInCorso == 0;
    if (fresh)
        drawFraction(s_, *ctx_.random, 1);
    showGiven(1);
    if (fresh)
        drawFraction(s_, *ctx_.random, 2);
    showGiven(3);
    beginRewrite();
    if (fresh) {
        ++s_.Avviate;
        frame_.showCounters();
        s_.EsercizioRipetuto = 0;
    }
    s_.RipetizioneInCorso = 0;
}

bool DivisionProcedure::admits(const EnteredProblem &p) {
    ctx_.suona(CueRight);
    if (p.verdict == StartVerdict::Accepted)
        return true;
    ctx_.suona(CueWrong);
    return false;
}

void DivisionProcedure::startWithOperands() {
    showGiven(1);
    showGiven(3);
    beginRewrite();
    // A typed problem is always a new exercise, even when a repeated rewrite was left
    // unfinished for it: counted, scored, and the repeat is over.
    ++s_.Avviate;
    frame_.showCounters();
    s_.EsercizioRipetuto = 0;
    s_.RipetizioneInCorso = 0;
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
    showGiven(1);
    showGiven(3);
    beginRewrite();
}

void DivisionProcedure::check() {
    if (s_.FaseReciproco == 1)
        checkRewrite();
    else
        product_->check();
}

void DivisionProcedure::checkRewrite() {
    QLineEdit *box = rewriteBox(s_.CampoDiv);
    if (!box)
        return;
    if (box->text().isEmpty()) {
        box->setFocus(Qt::OtherFocusReason);
        return;
    }
    int value = 0;
    if (!entryValue(box->text(), value) || value != s_.Reciproco[s_.CampoDiv]) {
        frame_.wrongAnswer(box);
        return;
    }
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

void DivisionProcedure::AvviaMoltiplicazione() {
    s_.PosSequenza = 0;
    product_->beginProduct();
    s_.RipetizioneInCorso = 0;
}
