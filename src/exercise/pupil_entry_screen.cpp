#include "pupil_entry_screen.h"

#include "addsub_procedure.h"
#include "app_context.h"
#include "exercise_frame.h"
#include "exercise_screens.h"
#include "keypad.h"
#include "picture_button.h"
#include "pupil_entry_frame.h"

#include <QLabel>
#include <QLineEdit>

PupilEntryScreen::PupilEntryScreen(ExerciseFrame &frame, EntrySign sign, AddSubProcedure *addSub)
    : QObject(&frame), frame_(frame), addSub_(addSub), sign_(sign) {
    entry_ = new PupilEntryFrame(sign, &frame);
    entry_->setGeometry(ExerciseFrame::sourceArea());
    connect(entry_, &PupilEntryFrame::boxClicked, this, &PupilEntryScreen::select);
    connect(entry_, &PupilEntryFrame::boxTooLong, this, [this](int campo) {
        // After the key that made the entry too long has been handled in full, so the
        // caret already stands behind the character it brought.
        QMetaObject::invokeMethod(
            this, [this, campo] { trimOverlong(campo); }, Qt::QueuedConnection);
    });

    ExerciseFrame::Hooks &hooks = frame.hooks();
    hooks.start = [this] { start(); };
    hooks.keypadTarget = [this] { return keypadTarget(); };
    hooks.leaving = [&frame] {
        SharedState &s = frame.context().state;
        s.Modo = s.ModoSalvato;
    };
    load();
}

void PupilEntryScreen::load() {
    SharedState &s = frame_.context().state;
    s.ModoSalvato = s.Modo;
    resetWorkingArea();
    s.CampoIns = 1;
    s.Passo = 1;
    frame_.solutionButton()->setEnabled(false);
    frame_.repeatButton()->setEnabled(false);
    frame_.keypadFrame()->setEnabled(true);
    frame_.okButton()->setEnabled(false);
    entry_->showOnlyHand(1);
}

void PupilEntryScreen::select(int campo) {
    SharedState &s = frame_.context().state;
    s.Modo = 1;
    entry_->showOnlyHand(campo);
    frame_.solutionButton()->setEnabled(false);
    frame_.repeatButton()->setEnabled(false);
    frame_.okButton()->setEnabled(false);
    frame_.keypadFrame()->setEnabled(true);
    s.CampoIns = campo;
}

// The backspace key run on the entry that got too long. The box is named by the caller
// rather than by CampoIns: a box reached with Tab and typed into from the keyboard is not
// the selected one, and erasing the selected box instead would lose a good entry while
// leaving three digits in the other.
void PupilEntryScreen::trimOverlong(int campo) {
    QLineEdit *box = entry_->box(campo);
    // Several keys may have been queued behind the one that overflowed; each trim looks
    // afresh, so no good character is taken away.
    if (box->text().size() <= 2)
        return;
    frame_.context().suona(CueClick);
    box->backspace();
}

QLineEdit *PupilEntryScreen::keypadTarget() const {
    const SharedState &s = frame_.context().state;
    if (s.Modo == 1)
        return s.CampoIns >= 1 && s.CampoIns <= 4 ? entry_->box(s.CampoIns) : nullptr;
    if (sign_ == EntrySign::Divide && s.FaseReciproco == 1) {
        switch (s.CampoDiv) {
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
    return frame_.txtFraz(s.Passo);
}

void PupilEntryScreen::resetWorkingArea() {
    if (addSub_) {
        addSub_->AzzeraSchermo();
        return;
    }
    for (QLineEdit *b : {frame_.txtNum1(), frame_.txtDen1(), frame_.txtNum2(), frame_.txtDen2()})
        if (b) {
            b->setEnabled(true);
            b->clear();
        }
    frame_.solutionButton()->setEnabled(false);
    frame_.repeatButton()->setEnabled(false);
    frame_.keypadFrame()->setEnabled(false);
}

// The typed problem becomes the exercise's: Num1..Den2, the operand boxes, and empty
// entry boxes ready for the next problem.
void PupilEntryScreen::takeOperands(const EnteredProblem &p) {
    SharedState &s = frame_.context().state;
    s.Num1 = p.num1;
    s.Den1 = p.den1;
    s.Num2 = p.num2;
    s.Den2 = p.den2;
    const int values[] = {p.num1, p.den1, p.num2, p.den2};
    QLineEdit *boxes[] = {frame_.txtNum1(), frame_.txtDen1(), frame_.txtNum2(), frame_.txtDen2()};
    for (int i = 0; i < 4; ++i)
        if (boxes[i])
            boxes[i]->setText(QString::number(values[i]));
    entry_->clearEntries();
}

void PupilEntryScreen::start() {
    AppContext &ctx = frame_.context();
    SharedState &s = ctx.state;
    const bool subtract = sign_ == EntrySign::Minus;
    if (subtract)
        s.Passo = 0;
    resetWorkingArea();
    entry_->showAllHands();

    const EnteredProblem p = entry_->readEntries(subtract);
    if (p.verdict == StartVerdict::EmptyEntry || p.verdict == StartVerdict::ZeroEntry) {
        ctx.suona(CueWrong);
        return;
    }
    if (p.verdict != StartVerdict::Accepted) { // a subtraction whose result would be negative
        ctx.suona(CueWrong);
        return;
    }
    if (!addSub_) {
        takeOperands(p);
        if (continueStart)
            continueStart();
        return;
    }

    if (!subtract) {
        s.Passo = 0;
        s.EsercizioRipetuto = 0;
    }
    ctx.suona(CueRight);
    frame_.okButton()->setEnabled(true);
    frame_.keypadFrame()->setEnabled(true);
    frame_.solutionButton()->setEnabled(true);
    s.Modo = 2;
    takeOperands(p);
    addSub_->startWithOperands();
    if (subtract)
        s.EsercizioRipetuto = 0;
    ++s.Avviate;
    frame_.showCounters();
}

void attachPupilEntry(ExerciseFrame &frame, Operation op, AddSubProcedure *addSub) {
    EntrySign sign = EntrySign::Plus;
    switch (op) {
    case Operation::Addition:
        break;
    case Operation::Subtraction:
        sign = EntrySign::Minus;
        break;
    case Operation::Multiplication:
        sign = EntrySign::Times;
        break;
    case Operation::Division:
        sign = EntrySign::Divide;
        break;
    }
    new PupilEntryScreen(frame, sign, addSub);
    // The notice stands a little higher where the working area is shorter.
    if (op == Operation::Multiplication)
        frame.notice()->move(136, 332);
    else if (op == Operation::Division)
        frame.notice()->move(136, 344);
}
