// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise_frame.h"

#include "app_context.h"
#include "exercise_layout.h"
#include "fonts.h"
#include "keypad.h"
#include "notices.h"
#include "picture_button.h"
#include "procedure.h"
#include "source_panel.h"
#include "step_box.h"
#include "widget_factory.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &where,
                  const QColor &ink, qreal points, bool italic = false) {
    return makeComicLabel(parent, QString::fromLatin1(name), text, where,
                          {ink, points, false, italic});
}
} // namespace

QString counterText(int value) {
    return QLatin1Char(' ') + QString::number(value);
}

ExerciseFrame::ExerciseFrame(AppContext &ctx, const Setup &setup, QWidget *startMenu)
    : ctx_(ctx), setup_(setup), startMenu_(startMenu) {
    namespace f = layout::frame;
    loadProgramFonts();
    setObjectName(QString::fromLatin1(setup.windowName));
    const QString title = QString::fromLatin1(setup.title);
    setWindowTitle(title);
    setClientSize(layout::kClient.width(), layout::kClient.height());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, layout::kLightYellow);
    setPalette(pal);

    // The shadow first, so the title is drawn over it.
    makeLabel(this, "Label3", title, f::kTitleShadow, layout::kShadowGreen, 36)
        ->setAlignment(Qt::AlignCenter);
    makeLabel(this, "Label4", title, f::kTitle, layout::kTitleGreen, 36)
        ->setAlignment(Qt::AlignCenter);
    makeLabel(this, "Label5", QStringLiteral("Avviate"), setup.avviateCaptionAt, layout::kDarkRed,
              14.25, true);
    avviate_ = makeLabel(this, "lblAvviate", QStringLiteral("00"), f::kAvviateValue,
                         layout::kDarkRed, 14.25);
    makeLabel(this, "Label6", QStringLiteral("Eseguite"), f::kEseguiteCaption, layout::kDarkRed,
              14.25, true);
    fatte_ = makeLabel(this, "lblFatte", QStringLiteral("00"), f::kEseguiteValue, layout::kDarkRed,
                       14.25);
    makeLabel(this, "Label7", QStringLiteral("Errori"), f::kErroriCaption, layout::kDarkRed, 14.25,
              true);
    errori_ = makeLabel(this, "lblErrori", QStringLiteral("00"), f::kErroriValue, layout::kDarkRed,
                        14.25);
    notice_ = makeLabel(this, "lblAvviso", QString::fromUtf8(setup.firstNotice), setup.noticeAt,
                        layout::kDarkRed, 21.75);
    notice_->setAlignment(Qt::AlignCenter);
    notice_->setWordWrap(true);

    keypad_ = new Keypad(this);
    keypad_->setGeometry(f::kKeypad);
    connect(keypad_, &Keypad::keyClicked, this, &ExerciseFrame::keypadKey);

    start_ = makePictureButton(this, QString::fromLatin1(setup.startButton),
                               QStringLiteral("Avvio"), looks::red, setup.startAt);
    solution_ = makePictureButton(this, QStringLiteral("cmdSoluzione"), QStringLiteral("Soluzione"),
                                  looks::green, f::kSoluzione);
    repeat_ = makePictureButton(this, QStringLiteral("cmdRipeti"), QStringLiteral("Ripeti"),
                                looks::green, f::kRipeti);
    exit_ = makePictureButton(this, QStringLiteral("cmdExit"), QStringLiteral("Esci"), looks::green,
                              f::kExit);
    connect(exit_, &QAbstractButton::clicked, this, &ExerciseFrame::leave);

    // Key preview: the screen sees every key before the box that has the focus. Only an
    // application-wide filter comes before the line edit's own handling of Enter.
    qApp->installEventFilter(this);
}

ExerciseFrame::~ExerciseFrame() {
    qApp->removeEventFilter(this);
}

void ExerciseFrame::plug(Procedure &procedure, SourcePanel &source) {
    procedure_ = &procedure;
    source_ = &source;
    connect(keypad_, &Keypad::okClicked, &procedure, &Procedure::check);
    connect(start_, &QAbstractButton::clicked, this, [this] { startExercise(ExerciseStart::New); });
    connect(solution_, &QAbstractButton::clicked, this, &ExerciseFrame::showSolution);
    connect(repeat_, &QAbstractButton::clicked, this,
            [this] { startExercise(ExerciseStart::Repeat); });
}

void ExerciseFrame::load() {
    counters_ = {};
    showCounters();
    repeat_->setEnabled(false);
    solution_->setEnabled(false);
    // The random screens select their ranges, which runs AzzeraSchermo and so leaves the
    // keypad off until "Avvio"; the pupil-entry screens open on typing the first numerator.
    source_->load();
}

QLineEdit *ExerciseFrame::makeBox(const QString &name, const QRect &where) {
    return new StepBox(this, name, where);
}

void ExerciseFrame::setOperandBoxes(QLineEdit *num1, QLineEdit *den1, QLineEdit *num2,
                                    QLineEdit *den2) {
    operands_ = {num1, den1, num2, den2};
}

void ExerciseFrame::showOperands(const std::array<int, 4> &values) {
    for (int i = 0; i < 4; ++i)
        operands_[i]->setText(QString::number(values[i]));
}

void ExerciseFrame::setStepBox(int k, QLineEdit *box) {
    if (k >= 1 && k < int(steps_.size()))
        steps_[k] = box;
}

QLineEdit *ExerciseFrame::txtFraz(int k) const {
    if (k < 1 || k >= int(steps_.size()))
        return nullptr;
    return steps_[k];
}

PictureButton *ExerciseFrame::okButton() const {
    return keypad_->ok();
}

QRect ExerciseFrame::sourceArea() {
    return layout::frame::kSourceArea;
}

void ExerciseFrame::setNotice(const char *text) {
    notice_->setText(QString::fromUtf8(text));
}

void ExerciseFrame::showCounters() {
    avviate_->setText(counterText(counters_.Avviate));
    fatte_->setText(counterText(counters_.Eseguite));
    errori_->setText(counterText(counters_.Errori));
}

ExerciseFrame::Entry ExerciseFrame::checkEntry(QLineEdit *box, int expected) {
    if (box->text().isEmpty()) {
        box->setFocus(Qt::OtherFocusReason);
        return Entry::Empty;
    }
    int value = 0;
    if (entryValue(box->text(), value) && value == expected)
        return Entry::Right;
    wrongAnswer(box);
    return Entry::Wrong;
}

void ExerciseFrame::wrongAnswer(QLineEdit *box) {
    Suona(ctx_, CueWrong);
    if (!EsercizioRipetuto) {
        ++counters_.Errori;
        showCounters();
    }
    box->clear();
    box->setFocus(Qt::OtherFocusReason);
}

void ExerciseFrame::AzzeraSchermo() {
    procedure_->emptyWorkingArea();
    solution_->setEnabled(false);
    repeat_->setEnabled(false);
    keypad_->setEnabled(false);
}

// Cues do not yield to the event loop, so where in this sequence the operation plays them
// changes nothing but their order, which each operation keeps.
void ExerciseFrame::startExercise(ExerciseStart start) {
    AzzeraSchermo();
    if (start == ExerciseStart::New) {
        const std::optional<Problem> taken = source_->takeProblem(*procedure_);
        if (!taken) {
            procedure_->startRefused();
            return;
        }
        problem_ = *taken;
    }
    procedure_->startCue(start);
    askFirstStep(procedure_->firstStep(problem_));
    if (start == ExerciseStart::New) {
        ++counters_.Avviate;
        showCounters();
    }
    EsercizioRipetuto = start == ExerciseStart::Repeat;
}

// The first step is asked in box: it takes the focus, and the keypad, "OK" (a typed problem
// is complete) and "Soluzione" go on.
void ExerciseFrame::askFirstStep(QLineEdit *box) {
    box->setFocus(Qt::OtherFocusReason);
    solution_->setEnabled(true);
    keypad_->setEnabled(true);
    okButton()->setEnabled(true);
}

void ExerciseFrame::problemBeingTyped() {
    solution_->setEnabled(false);
    repeat_->setEnabled(false);
    okButton()->setEnabled(false);
    keypad_->setEnabled(true);
}

void ExerciseFrame::productStageBegan() {
    repeat_->setEnabled(setup_.repeatDuringProduct);
}

void ExerciseFrame::completeExercise() {
    setNotice(notices::kMissioneCompiuta);
    Suona(ctx_, CueCompleted);
    if (!EsercizioRipetuto) {
        ++counters_.Eseguite;
        showCounters();
    }
    solution_->setEnabled(false);
    repeat_->setEnabled(true);
    keypad_->setEnabled(false);
    start_->setFocus(Qt::OtherFocusReason);
}

void ExerciseFrame::showSolution() {
    procedure_->solution(problem_);
    setNotice(notices::kFatto);
    repeat_->setEnabled(true);
    keypad_->setEnabled(false);
    start_->setFocus(Qt::OtherFocusReason);
    solution_->setEnabled(false);
}

QLineEdit *ExerciseFrame::keypadTargetBox() const {
    return source_->keypadTarget();
}

QLineEdit *ExerciseFrame::workTargetBox() const {
    return procedure_->workTarget();
}

void ExerciseFrame::keypadKey(int key, const QString &text) {
    Suona(ctx_, CueClick);
    QLineEdit *target = keypadTargetBox();
    if (!target)
        return;
    target->setFocus(Qt::OtherFocusReason);
    // Posted, not sent: the key reaches the box after this click has been handled, at the
    // caret, and passes through the key preview exactly like a key from the keyboard.
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier,
                                                      key == Qt::Key_Backspace ? QString() : text));
}

void ExerciseFrame::pressEnter() {
    // Enter is "OK" only while OK could be clicked: after the solution, before the first
    // start or with no current box, a check would walk past the end of the exercise.
    if (!keypad_->isEnabled() || !okButton()->isEnabled())
        return;
    procedure_->check();
}

bool ExerciseFrame::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto *w = static_cast<QWidget *>(watched);
        // A key that the box leaves unhandled travels on to its parents; act on it once,
        // where it was first delivered.
        const QWidget *first = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        if (w->window() == this && w == first) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                pressEnter(); // the key itself goes on to the box
        }
    } else if (event->type() == QEvent::FocusIn && watched->isWidgetType() && procedure_) {
        auto *w = static_cast<QWidget *>(watched);
        if (w->window() == this)
            procedure_->focusArrived(w);
    }
    return ProgramWindow::eventFilter(watched, event);
}

void ExerciseFrame::leave() {
    Suona(ctx_, CueClick);
    if (auto *menu = qobject_cast<ProgramWindow *>(startMenu_)) {
        // Back on the screen this window was on.
        menu->showAndActivate(this);
    } else if (startMenu_) {
        startMenu_->show();
        // Without a window manager a shown window gets the keyboard only when asked.
        startMenu_->activateWindow();
    }
    hide();
    deleteLater();
}
