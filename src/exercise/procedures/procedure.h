#pragma once

#include <QObject>

struct EnteredProblem;

// What a problem source (the range frames, the pupil's entry frame) asks of the operation
// on its screen. A source knows no particular operation: each procedure keeps its own
// order of cues, Passo and EsercizioRipetuto inside these calls.
class Procedure : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Empties the working area; the keypad, "Soluzione" and "Ripeti" go off.
    virtual void AzzeraSchermo() = 0;
    // A range was changed: the problem on screen is abandoned.
    virtual void clearProblem() { AzzeraSchermo(); }
    // "Avvio" on a random screen: draws a problem and asks its first step.
    virtual void startRandom() = 0;
    // "Avvio" on a pupil-entry screen, once the working area is reset and the entries are
    // read: false (after the refusal's cues) when the problem cannot be started.
    virtual bool admits(const EnteredProblem &problem) = 0;
    // Starts the typed problem now in Num1..Den2.
    virtual void startWithOperands() = 0;
};
