// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "division_procedure.h"

#include "app_context.h"
#include "exercise_frame.h"
#include "notices.h"
#include "working_area.h"
#include "working_layout.h"

#include <QLineEdit>

DivisionProcedure::DivisionProcedure(ExerciseFrame &frame, QPoint productShift, RepeatCue repeatCue)
    : ProductProcedure(frame, productShift), repeatCue_(repeatCue) {
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
}

std::array<int, 4> DivisionProcedure::productTerms(const Problem &problem) const {
    return divisionRewrite(problem);
}

QLineEdit *DivisionProcedure::workTarget() const {
    if (rewrite_.FaseReciproco)
        return rewriteBox(rewrite_.CampoDiv);
    return ProductProcedure::workTarget();
}

// The operand box CampoDiv names: 1 txtNum1, 2 txtDen1, 3 txtNum2, 4 txtDen2.
QLineEdit *DivisionProcedure::rewriteBox(int campo) const {
    return campo >= 1 && campo <= 4 ? frame_.operandBoxes()[campo - 1] : nullptr;
}

// The division as posed on its row, and what its rewrite expects: the first fraction
// copied, the second turned upside down.
void DivisionProcedure::showGiven(const Problem &p) {
    const int given[] = {p.Num1, p.Den1, p.Num2, p.Den2};
    for (int i = 0; i < 4; ++i)
        given_[i]->setText(QString::number(given[i]));
    const std::array<int, 4> rewritten = divisionRewrite(p);
    rewrite_.Reciproco = {0, int16_t(rewritten[0]), int16_t(rewritten[1]), int16_t(rewritten[2]),
                          int16_t(rewritten[3])};
}

void DivisionProcedure::emptyWorkingArea() {
    ProductProcedure::emptyWorkingArea();
    for (QLineEdit *b : given_)
        b->clear();
}

void DivisionProcedure::startRefused() {
    Suona(ctx_, CueRight);
    Suona(ctx_, CueWrong);
}

void DivisionProcedure::startCue(ExerciseStart start) {
    if (start == ExerciseStart::Repeat) {
        Suona(ctx_, CueClick);
        if (repeatCue_ == RepeatCue::ClickThenStart)
            Suona(ctx_, CueRight);
        return;
    }
    Suona(ctx_, CueRight);
}

QLineEdit *DivisionProcedure::firstStep(const Problem &problem) {
    showGiven(problem);
    frame_.setNotice(notices::kEsegui);
    rewrite_.FaseReciproco = true;
    rewrite_.CampoDiv = 1;
    return frame_.txtNum1();
}

void DivisionProcedure::check() {
    if (rewrite_.FaseReciproco)
        checkRewrite();
    else
        checkProduct();
}

void DivisionProcedure::checkRewrite() {
    int &campo = rewrite_.CampoDiv;
    QLineEdit *box = rewriteBox(campo);
    if (!box || frame_.checkEntry(box, rewrite_.Reciproco[campo]) != ExerciseFrame::Entry::Right)
        return;
    if (campo < 4) {
        ++campo;
        rewriteBox(campo)->setFocus(Qt::OtherFocusReason);
        Suona(ctx_, CueRight);
        return;
    }
    Suona(ctx_, CueRight);
    rewrite_.FaseReciproco = false;
    campo = 0;
    AvviaMoltiplicazione();
}

// Not a start: the exercise was counted when its rewrite began. "Ripeti" stays usable for
// the whole product and restarts the rewrite.
void DivisionProcedure::AvviaMoltiplicazione() {
    const auto &r = rewrite_.Reciproco;
    beginProduct({r[1], r[2], r[3], r[4]})->setFocus(Qt::OtherFocusReason);
}
