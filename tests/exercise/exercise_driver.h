// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Drives an exercise screen the way a pupil does: clicks on the keypad and the buttons,
// keys on the keyboard, Enter; and reads back what the pupil sees and hears.

#include "division_procedure.h"
#include "exercise_frame.h"
#include "exercise_screens.h"
#include "picture_button.h"
#include "step_memory.h"
#include "test_support.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTest>

class ExerciseDriver {
  public:
    TestProgram program;
    QWidget menu;
    QPointer<QWidget> screen;

    ~ExerciseDriver() { delete screen; }

    // r that makes a draw in [1, max] come out as value.
    static double drawFor(int value, int max) { return (value - 0.5) / max; }

    bool open(Operation op, ProblemSource source = ProblemSource::Computer) {
        screen = openExerciseScreen(program.ctx, op, source, &menu);
        const bool active = QTest::qWaitForWindowActive(screen);
        settle();
        return active;
    }
    void settle() { QCoreApplication::processEvents(); }

    QLineEdit *box(const QString &name) const { return screen->findChild<QLineEdit *>(name); }
    QLineEdit *step(int k) const { return box(QStringLiteral("txtFraz(%1)").arg(k)); }
    PictureButton *button(const QString &name) const {
        return screen->findChild<PictureButton *>(name);
    }
    QString label(const QString &name) const { return screen->findChild<QLabel *>(name)->text(); }
    QString notice() const { return label(QStringLiteral("lblAvviso")); }
    QWidget *keypad() const { return screen->findChild<QWidget *>(QStringLiteral("Frame1")); }
    // The operation's current step and what each step box expects.
    int passo() const { return stepMemory(*frame()).Passo; }
    std::array<int16_t, 13> risposte() const { return stepMemory(*frame()).Risposte; }
    ExerciseFrame *frame() const { return static_cast<ExerciseFrame *>(screen.data()); }
    // The problem of the exercise on screen, as the frame keeps it.
    const Problem &problem() const { return frame()->problem(); }
    // A division screen's rewrite: FaseReciproco, CampoDiv, Reciproco.
    const DivisionProcedure::Rewrite &rewriteState() const {
        return screen->findChild<DivisionProcedure *>()->rewrite();
    }
    // Whether the exercise on screen is a repeat (EsercizioRipetuto).
    bool exerciseIsRepeat() const { return frame()->exerciseIsRepeat(); }
    QList<int> cues() { return program.player.takeCues(); }

    void click(const QString &name) {
        QTest::mouseClick(button(name), Qt::LeftButton);
        settle();
    }
    void clickOption(const QString &name) {
        auto *o = screen->findChild<QRadioButton *>(name);
        QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(8, o->height() / 2));
        settle();
    }
    // Keypad keys, one click per character.
    void keypadType(const QString &digits) {
        for (QChar c : digits) {
            click(QStringLiteral("Cmd_") + c);
            settle();
        }
    }
    void keyboardType(const QString &text) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        settle();
    }
    void enter() {
        QWidget *w = QApplication::focusWidget() ? QApplication::focusWidget() : screen.data();
        QTest::keyClick(w, Qt::Key_Return);
        settle();
    }
    // Types value on the keypad and confirms it with OK.
    void answer(int value) {
        keypadType(QString::number(value));
        click(QStringLiteral("Cmd_invio"));
    }

    // Types value on the keypad, forgets the keys' clicks, then confirms with OK or Enter,
    // so that cues() tells what the check played.
    void confirm(const QString &value, bool useEnter = false) {
        keypadType(value);
        cues();
        if (useEnter)
            enter();
        else
            click(QStringLiteral("Cmd_invio"));
    }

    // Scripts the draws of one problem in the ranges "fino a max".
    void scriptProblem(int n1, int d1, int n2, int d2, int numMax = 25, int denMax = 25) {
        for (double r :
             {drawFor(n1, numMax), drawFor(d1, denMax), drawFor(n2, numMax), drawFor(d2, denMax)})
            program.random.script.push_back(r);
    }
    // Opens a pupil-entry screen as the start menu does after "da te".
    bool openTyped(Operation op) { return open(op, ProblemSource::Pupil); }
    // Selects each entry box with a click and types its number on the keypad.
    void typeProblem(const QList<int> &operands) {
        const char *const entries[] = {"txtInsNum1", "txtInsDen1", "txtInsNum2", "txtInsDen2"};
        for (int i = 0; i < 4; ++i) {
            QTest::mouseClick(box(QLatin1String(entries[i])), Qt::LeftButton);
            settle();
            keypadType(QString::number(operands[i]));
        }
    }
    // Opens the screen of op and source and starts n1/d1 op n2/d2 there, drawn or typed.
    bool startOn(Operation op, ProblemSource source, const QList<int> &operands) {
        const QString start = op == Operation::Division ? "cmdStartDiv" : "cmdAvvio";
        if (source == ProblemSource::Pupil) {
            if (!openTyped(op))
                return false;
            typeProblem(operands);
        } else {
            if (!open(op))
                return false;
            scriptProblem(operands[0], operands[1], operands[2], operands[3]);
        }
        cues();
        click(start);
        return true;
    }
    // The boxes of the working area that are greyed, in the order of names.
    QStringList greyed(const QStringList &names) const {
        QStringList out;
        for (const QString &n : names)
            if (QLineEdit *b = box(n); b && !b->isEnabled())
                out << n;
        return out;
    }
    // Opens the screen of the operation and starts the problem n1/d1 op n2/d2 on it.
    bool startProblem(bool subtract, int n1, int d1, int n2, int d2) {
        if (!open(subtract ? Operation::Subtraction : Operation::Addition))
            return false;
        scriptProblem(n1, d1, n2, d2);
        click(QStringLiteral("cmdAvvio"));
        return true;
    }
};
