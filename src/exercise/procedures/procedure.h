// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QLineEdit;
struct EnteredProblem;

// The operation of an exercise screen, as the frame and the problem source see it: the one
// contract between them and addition and subtraction, multiplication or division. The
// operation builds its working area on the frame when it is made; every call below is
// required, so a new operation cannot leave one out. Each operation keeps its own order of
// cues, Passo and flags inside these calls.
class Procedure : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Asked by the problem source.
    // Empties the working area; the keypad, "Soluzione" and "Ripeti" go off.
    virtual void AzzeraSchermo() = 0;
    // A range was changed: the problem on screen is abandoned and wiped.
    virtual void clearProblem() = 0;
    // "Avvio" on a random screen: draws a problem and asks its first step.
    virtual void startRandom() = 0;
    // "Avvio" on a pupil-entry screen, once the working area is reset and the entries are
    // read: false, after the refusal's cues, when the problem cannot be started.
    virtual bool admits(const EnteredProblem &problem) = 0;
    // Starts the typed problem now in Num1..Den2.
    virtual void startWithOperands() = 0;

    // Asked by the frame.
    // "OK", and Enter while OK can be clicked: checks the box asked now and moves on.
    virtual void check() = 0;
    // "Soluzione": the whole worked solution written out; nothing is counted.
    virtual void solution() = 0;
    // "Ripeti": the same problem again, unscored.
    virtual void repeat() = 0;
    // The box of the working area the keypad types into now, nullptr for none.
    virtual QLineEdit *workTarget() const = 0;
    // The focus rule has just moved the pupil from step 3 to step 5 (the second fraction
    // needs no reducing): what step 5 needs before it is answered.
    virtual void focusRuleSkippedToStep5() = 0;
};
