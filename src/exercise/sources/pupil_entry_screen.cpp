// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupil_entry_screen.h"

#include "app_context.h"
#include "exercise_frame.h"
#include "procedure.h"
#include "pupil_entry_frame.h"

#include <QLineEdit>
#include <algorithm>

PupilEntryScreen::PupilEntryScreen(ExerciseFrame &frame, Operation op, EntrySign sign,
                                   Procedure &procedure)
    : SourcePanel(&frame), frame_(frame), procedure_(procedure), op_(op) {
    entry_ = new PupilEntryFrame(sign, &frame);
    entry_->setGeometry(ExerciseFrame::sourceArea());
    connect(entry_, &PupilEntryFrame::boxClicked, this, &PupilEntryScreen::select);
    connect(entry_, &PupilEntryFrame::boxTooLong, this, [this](int campo) {
        // After the key that made the entry too long has been handled in full, so the
        // caret already stands behind the character it brought.
        QMetaObject::invokeMethod(
            this, [this, campo] { trimOverlong(campo); }, Qt::QueuedConnection);
    });
}

// The screen is new: its working area is empty and its operation asks step box 1, as
// AzzeraSchermo followed by Passo 1 would leave them, so nothing needs resetting.
void PupilEntryScreen::load() {
    state_.Modo = EntryPhase::Entering;
    state_.CampoIns = 1;
    frame_.problemBeingTyped();
    entry_->showOnlyHand(1);
}

void PupilEntryScreen::select(int campo) {
    state_.Modo = EntryPhase::Entering;
    entry_->showOnlyHand(campo);
    frame_.problemBeingTyped();
    state_.CampoIns = campo;
}

// The backspace key run on the entry that got too long. The box is named by the caller
// rather than by CampoIns: a box reached with Tab and typed into from the keyboard is not
// the selected one, and erasing the selected box instead would lose a good entry while
// leaving three digits in the other.
void PupilEntryScreen::trimOverlong(int campo) {
    QLineEdit *box = entry_->box(campo);
    // Several keys may have been queued behind the one that overflowed; each trim looks
    // afresh, so no good character is taken away.
    const QString text = box->text();
    const int excess = int(text.size()) - 2;
    if (excess <= 0)
        return;
    Suona(frame_.context(), CueClick);
    // One key can bring many characters (a paste): all that do not fit go at once, as that
    // many backspaces would take them, rather than one queued trim and click for each.
    const int caret = box->cursorPosition();
    const int from = std::max(0, caret - excess);
    box->setText(QString(text).remove(from, excess));
    box->setCursorPosition(from);
}

QLineEdit *PupilEntryScreen::keypadTarget() const {
    const int campo = state_.CampoIns;
    if (state_.Modo == EntryPhase::Entering)
        return campo >= 1 && campo <= 4 ? entry_->box(campo) : nullptr;
    return procedure_.workTarget();
}

std::optional<Problem> PupilEntryScreen::takeProblem(const Procedure &procedure) {
    entry_->showAllHands();
    const EnteredProblem p = entry_->readEntries();
    const Problem problem{op_, p.num1, p.den1, p.num2, p.den2};
    if (p.verdict != StartVerdict::Accepted || !procedure.accepts(problem))
        return std::nullopt; // the entries stay as typed, to be corrected
    state_.Modo = EntryPhase::Solving;
    entry_->clearEntries();
    return problem;
}
