#pragma once

#include "program_window.h"

#include <QPointer>
#include <array>
#include <functional>

struct AppContext;
class Keypad;
class PictureButton;
class QLabel;
class QLineEdit;

// The frame shared by the eight exercise screens: title, counters, keypad, message line,
// the four command buttons, and the input mechanics (keypad typing at the caret, Enter as
// "OK", the focus rule of the step boxes, leaving the screen).
//
// How the parts of a screen plug into it:
//  - The working area (operand boxes txtNum1..txtDen2 and the step boxes txtFraz(1..n))
//    is built by the operation with makeBox() and handed over with setOperandBoxes() and
//    setStepBox(); the frame then serves them through txtNum1()..txtDen2(), txtFraz(k).
//  - The problem source sits in sourceArea() on the left: the range frames of the random
//    screens, or the entry frame of the pupil-entry screens.
//  - hooks() says what the buttons do. The operation sets check, solution and repeat;
//    start is set by the problem source, which calls the screen's Procedure.
//  - workTarget, set by an operation whose keypad does not always feed txtFraz(Passo),
//    picks the box of the working area the keypad types into (a division's rewrite box).
//  - keypadTarget, when set by the problem source, picks the box the keypad types into
//    (a pupil-entry screen returns its entry box while Modo = 1, else the working area's).
//    When the target is nullptr a key only clicks.
//  - focusRuleJumped runs after the focus rule moved from step 3 to step 5 (addition and
//    subtraction work out the common denominator there).
//  - leaving runs when "Esci" is pressed, after the start menu is shown again and before
//    the screen goes away (a pupil-entry screen gives Modo back).
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
    struct Hooks {
        std::function<void()> start;
        std::function<void()> check;
        std::function<void()> solution;
        std::function<void()> repeat;
        std::function<QLineEdit *()> workTarget;
        std::function<QLineEdit *()> keypadTarget;
        std::function<void()> focusRuleJumped;
        std::function<void()> leaving;
    };

    ExerciseFrame(AppContext &ctx, const Kind &kind, QWidget *startMenu);
    ~ExerciseFrame() override;

    AppContext &context() const { return ctx_; }
    Hooks &hooks() { return hooks_; }

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
    // Step box k, or nullptr when the screen has no such box (0, 12, ...).
    QLineEdit *txtFraz(int k) const;
    int stepBoxCount() const;

    Keypad *keypadFrame() const { return keypad_; }
    PictureButton *okButton() const;
    PictureButton *startButton() const { return start_; }
    PictureButton *solutionButton() const { return solution_; }
    PictureButton *repeatButton() const { return repeat_; }
    PictureButton *exitButton() const { return exit_; }
    QLabel *notice() const { return notice_; }
    static QRect sourceArea();

    void setNotice(const QString &text);
    // Shows Avviate, Eseguite and Errori from the shared state.
    void showCounters();
    // A wrong answer in box: the wrong cue, one more error unless the exercise is a
    // repeat, the box emptied and given the focus again.
    void wrongAnswer(QLineEdit *box);
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
    void keypadKey(int key, const QString &text);
    void focusRule();
    void leave();

    AppContext &ctx_;
    QPointer<QWidget> startMenu_;
    Hooks hooks_;
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
