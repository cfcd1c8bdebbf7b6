// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "procedure.h"
#include "program_window.h"

#include <QPointer>
#include <QRect>
#include <array>

struct AppContext;
class Keypad;
class PictureButton;
class QLabel;
class QLineEdit;
class SourcePanel;

// A counter as its label shows it: one blank followed by the value, " 0", " 12".
QString counterText(int value);

// The frame shared by the eight exercise screens: title, counters, keypad, message line,
// the four command buttons, and the input mechanics (keypad typing at the caret, Enter as
// "OK", leaving the screen). It owns the life of an exercise, alike on every screen: the one
// start (startExercise, for "Avvio" and "Ripeti" on all eight), the check of an entry, the
// completion and the solution, and it alone switches "Soluzione", "Ripeti", the keypad and
// "OK".
//
// Two parts make a screen of it, each behind one small interface, plugged in once:
//  - the operation (Procedure: addition and subtraction, multiplication, division) builds
//    its working area with makeBox(), setOperandBoxes() and setStepBox(), works the steps,
//    enables and greys its own boxes, and tells the frame what happened (a product stage
//    began, the exercise is complete);
//  - the problem source (SourcePanel: the range frames or the pupil's entry frame) sits in
//    sourceArea(), gives the problem of a new exercise and says where the keypad types; the
//    entry frame tells the frame when the pupil goes back to typing a problem.
// Of the exercise on screen the frame keeps its problem, whether it is a repeat and the
// counters of the visit; the rest lives in the two parts and in the widgets.
class ExerciseFrame : public ProgramWindow {
    Q_OBJECT
  public:
    // The counters of this visit to the screen, each shown as soon as it changes: exercises
    // started (not repeats), completed and wrong answers (neither counted during a repeat).
    struct Counters {
        int Avviate = 0;
        int Eseguite = 0;
        int Errori = 0;
    };

    // What makes one screen's frame differ from the others', as its row of the screen table
    // gives it.
    struct Setup {
        const char *windowName;   // frmAdd .. frmDiv2
        const char *title;        // "Addizione" ..
        const char *startButton;  // cmdAvvio, or cmdStartDiv on the division screens
        QRect startAt;            // the start button
        QRect avviateCaptionAt;   // "Avviate" (Label5)
        QRect noticeAt;           // the message line lblAvviso
        const char *firstNotice;  // what the message line says until the first start
        bool repeatDuringProduct; // "Ripeti" stays usable while a product's stages are worked
    };

    ExerciseFrame(AppContext &ctx, const Setup &setup, QWidget *startMenu);
    ~ExerciseFrame() override;

    AppContext &context() const { return ctx_; }
    // The screen's operation and problem source; the buttons act from then on.
    void plug(Procedure &procedure, SourcePanel &source);
    Procedure *procedure() const { return procedure_; }

    // Form_Load, once plugged: counters to 0 and shown, "Soluzione" and "Ripeti" disabled;
    // then the problem source finishes the load. A new operation asks its step box 1.
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
    PictureButton *exitButton() const { return exit_; }
    QLabel *notice() const { return notice_; }
    static QRect sourceArea();

    // The message line, one of notices.h.
    void setNotice(const char *text);
    const Counters &counters() const { return counters_; }

    // The life of an exercise.
    // AzzeraSchermo: the operation empties its working area; the keypad, "Soluzione" and
    // "Ripeti" go off. Every start begins with it; a range change runs it too.
    void AzzeraSchermo();
    // Every start of an exercise: "Avvio" (New) and "Ripeti" (Repeat) on all eight screens.
    // In order: AzzeraSchermo; a new exercise takes its problem from the source (a refused
    // one ends the start there, with the operation's refusal); the operation's start cue;
    // the operation shows the problem and works out its first step, whose box gets the focus
    // as the keypad, "OK" and "Soluzione" go on; last, a new exercise counts one more in
    // Avviate, shown at once, and is scored, while a repeat is neither counted nor scored.
    void startExercise(ExerciseStart start);
    // The pupil-entry screen is back to typing a problem (its load, a click on an entry box):
    // the keypad types into the entry frame, "OK", "Soluzione" and "Ripeti" are off. An
    // exercise on screen stays visible, but it can no longer be answered.
    void problemBeingTyped();
    // A product's stages begin (a multiplication's start, a division's passage from its
    // rewrite): "Ripeti" stays usable while they are worked where the screen's setup says
    // so, and comes only with the end of the exercise elsewhere.
    void productStageBegan();
    // The check of an entry, alike on every screen: an empty box only gets the focus back;
    // a text that is not the whole number expected is a wrong answer (the wrong cue, one
    // more error unless the exercise is a repeat, the box emptied and given the focus).
    enum class Entry { Empty, Wrong, Right };
    Entry checkEntry(QLineEdit *box, int expected);
    // The last step was right: "Missione compiuta", one more completed unless a repeat,
    // the keypad and "Soluzione" off, "Ripeti" on, the focus on the start button.
    void completeExercise();

    // The box the keypad types into now, and the one of the working area it feeds.
    QLineEdit *keypadTargetBox() const;
    QLineEdit *workTargetBox() const;
    // "OK" as the Enter key sees it: runs the check only while OK can be clicked.
    void pressEnter();
    // Whether the exercise on screen is a repeat (EsercizioRipetuto).
    bool exerciseIsRepeat() const { return EsercizioRipetuto; }
    // The problem of the exercise on screen, or of the last one; all 0 before the first start.
    const Problem &problem() const { return problem_; }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void askFirstStep(QLineEdit *box);
    // "Soluzione": the operation writes the worked solution; "Fatto", the keypad and
    // "Soluzione" off, "Ripeti" on, the focus on the start button.
    void showSolution();
    void wrongAnswer(QLineEdit *box);
    void showCounters();
    void keypadKey(int key, const QString &text);
    void leave();

    AppContext &ctx_;
    const Setup setup_;
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
    Counters counters_;
    // The problem the last accepted start took: "Soluzione" and "Ripeti" work it again. A
    // refused start leaves it, as nothing can then show or repeat it before the next start.
    Problem problem_;
    // True while the exercise on screen is a repeat: answers are still checked, but neither
    // errors nor the completion are counted. Set by every start.
    bool EsercizioRipetuto = false;
};
