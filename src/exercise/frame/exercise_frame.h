// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "program_window.h"

#include <QPointer>
#include <array>

struct AppContext;
class Keypad;
class PictureButton;
class Procedure;
class QLabel;
class QLineEdit;
class SourcePanel;

// The frame shared by the eight exercise screens: title, counters, keypad, message line,
// the four command buttons, and the input mechanics (keypad typing at the caret, Enter as
// "OK", the focus rule of the step boxes, leaving the screen), plus the start and the two
// ends of an exercise, which are alike on every screen.
//
// Two parts make a screen of it, each behind one small interface, plugged in once:
//  - the operation (Procedure: addition and subtraction, multiplication, division) builds
//    its working area with makeBox(), setOperandBoxes() and setStepBox(), and answers "OK",
//    "Soluzione", "Ripeti", where the keypad types in the working area, and what step 5
//    needs when the focus rule skips to it;
//  - the problem source (SourcePanel: the range frames or the pupil's entry frame) sits in
//    sourceArea(), answers "Avvio" and where the keypad types, and hears of "Esci".
// The frame owns no exercise state of its own: everything lives in AppContext::state and
// in the widgets.
class ExerciseFrame : public ProgramWindow {
    Q_OBJECT
  public:
    struct Kind {
        const char *windowName; // frmAdd .. frmDiv2
        const char *title;      // "Addizione" ..
        bool pupilEntry;        // the start button and the notice move for the entry frame
        bool division;          // the start button is cmdStartDiv
    };
    // How an exercise starts: a new one, or the same one again after "Ripeti".
    enum class Start { New, Repeat };

    ExerciseFrame(AppContext &ctx, const Kind &kind, QWidget *startMenu);
    ~ExerciseFrame() override;

    AppContext &context() const { return ctx_; }
    // The screen's operation and problem source; the buttons act from then on.
    void plug(Procedure &procedure, SourcePanel &source);

    // The common part of loading: counters to 0 and shown, Soluzione and Ripeti disabled,
    // Passo 1. The problem source and the operation finish the load.
    void load();

    // Working area.
    QLineEdit *makeBox(const QString &name, const QRect &where);
    void setOperandBoxes(QLineEdit *num1, QLineEdit *den1, QLineEdit *num2, QLineEdit *den2);
    void setStepBox(int k, QLineEdit *box);
    QLineEdit *txtNum1() const { return operands_[0]; }
    QLineEdit *txtDen1() const { return operands_[1]; }
    QLineEdit *txtNum2() const { return operands_[2]; }
    QLineEdit *txtDen2() const { return operands_[3]; }
    const std::array<QLineEdit *, 4> &operandBoxes() const { return operands_; }
    // Writes the four numbers into txtNum1, txtDen1, txtNum2, txtDen2, as plain digits.
    void showOperands(const std::array<int, 4> &values);
    // Step box k, or nullptr when the screen has no such box (0, 12, ...).
    QLineEdit *txtFraz(int k) const;

    Keypad *keypadFrame() const { return keypad_; }
    PictureButton *okButton() const;
    PictureButton *startButton() const { return start_; }
    PictureButton *solutionButton() const { return solution_; }
    PictureButton *repeatButton() const { return repeat_; }
    PictureButton *exitButton() const { return exit_; }
    QLabel *notice() const { return notice_; }
    static QRect sourceArea();

    // The message line, one of notices.h.
    void setNotice(const char *text);
    // Shows Avviate, Eseguite and Errori from the shared state.
    void showCounters();
    // The first step of an exercise is asked in box: it takes the focus, and the keypad and
    // "Soluzione" go on.
    void askFirstStep(QLineEdit *box);
    // An exercise has started, its first step asked. A new one counts one more in Avviate,
    // shown at once, and is scored (EsercizioRipetuto 0); a repeat is neither counted nor
    // scored (EsercizioRipetuto 1). Either way no repeat is in progress any more.
    // Cues do not yield to the event loop here, so an operation may clear these flags
    // before or after its cues with the same effect; only the order of the cues is kept,
    // and each operation plays its own where its start does.
    void startExercise(Start start);
    // The check of an entry, alike on every screen: an empty box only gets the focus back;
    // a text that is not the whole number expected is a wrong answer (the wrong cue, one
    // more error unless the exercise is a repeat, the box emptied and given the focus).
    enum class Entry { Empty, Wrong, Right };
    Entry checkEntry(QLineEdit *box, int expected);
    // The last step was right: "Missione compiuta", one more completed unless a repeat,
    // the keypad and "Soluzione" off, "Ripeti" on, the focus on the start button.
    void completeExercise();
    // The worked solution stands: "Fatto", the keypad and "Soluzione" off, "Ripeti" on,
    // the focus on the start button.
    void solutionShown();
    // The box the keypad types into now, and the one of the working area it feeds.
    QLineEdit *keypadTargetBox() const;
    QLineEdit *workTargetBox() const;
    // "OK" as the Enter key sees it: runs the check only while OK can be clicked.
    void pressEnter();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void wrongAnswer(QLineEdit *box);
    void keypadKey(int key, const QString &text);
    void focusRule();
    void leave();

    AppContext &ctx_;
    QPointer<QWidget> startMenu_;
    Procedure *procedure_ = nullptr;
    SourcePanel *source_ = nullptr;
    Keypad *keypad_ = nullptr;
    PictureButton *start_ = nullptr;
    PictureButton *solution_ = nullptr;
    PictureButton *repeat_ = nullptr;
    PictureButton *exit_ = nullptr;
    QLabel *notice_ = nullptr;
    QLabel *avviate_ = nullptr;
    QLabel *fatte_ = nullptr;
    QLabel *errori_ = nullptr;
    std::array<QLineEdit *, 4> operands_{};
    std::array<QLineEdit *, 12> steps_{};
};
