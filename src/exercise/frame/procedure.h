// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "problem.h"

#include <QObject>

class QLineEdit;
class QWidget;

// How an exercise starts: a new problem ("Avvio"), or the same one again, unscored
// ("Ripeti"). A repeat is what the flag RipetizioneInCorso marked: it takes no problem and
// adds nothing to Avviate.
enum class ExerciseStart { New, Repeat };

// The operation of an exercise screen, as the frame sees it: the one contract between the
// frame and addition and subtraction, multiplication or division. The operation builds its
// working area on the frame when it is made and works the steps; the frame runs the life of
// an exercise (ExerciseFrame::startExercise, completeExercise, showSolution) and switches
// the buttons. Every call below is required, so a new operation cannot leave one out.
class Procedure : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // The operation's part of AzzeraSchermo: every box of the working area emptied and
    // usable again, and what the operation keeps of the exercise on screen forgotten.
    virtual void emptyWorkingArea() = 0;

    // The start of an exercise, called by ExerciseFrame::startExercise in this order.
    // Whether the operation can work problem (a subtraction's difference must not be
    // negative): a draw is made again until it can, a typed problem is refused.
    virtual bool accepts(const Problem &problem) const = 0;
    // A typed problem was refused: the operation's cues for that, and what else it does.
    virtual void startRefused() = 0;
    // The cue, or cues, of a start that goes ahead.
    virtual void startCue(ExerciseStart start) = 0;
    // Shows problem and works out its first step, storing what that step expects: returns
    // the box asked first, to which the frame gives the focus.
    virtual QLineEdit *firstStep(const Problem &problem) = 0;

    // During an exercise.
    // "OK", and Enter while OK can be clicked: checks the box asked now and moves on, or
    // ends the exercise with ExerciseFrame::completeExercise.
    virtual void check() = 0;
    // "Soluzione": the whole worked solution of problem, the one on screen, written out;
    // nothing is counted.
    virtual void solution(const Problem &problem) = 0;
    // The box of the working area the keypad types into now, nullptr for none.
    virtual QLineEdit *workTarget() const = 0;
    // A widget of the screen got the keyboard focus (told at once, from the frame's event
    // filter): an operation with a rule about where the focus may rest applies it here.
    virtual void focusArrived(QWidget *widget) = 0;
};
