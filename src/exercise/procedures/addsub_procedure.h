#pragma once

#include "procedure.h"

#include <QString>

class ExerciseFrame;
class QLineEdit;
struct AppContext;
struct SharedState;

// The guided written procedure of addition and subtraction: it builds the working area
// (two operand fractions, step boxes txtFraz(1..11)) on the frame and answers its "OK",
// "Soluzione" and "Ripeti". Whether a fraction is being reduced is kept where the pupil
// sees it, in the enabled state of its boxes, and every step reads its numbers back from
// the boxes, so what is on screen is the whole record of the exercise.
//
class AddSubProcedure : public Procedure {
    Q_OBJECT
  public:
    AddSubProcedure(ExerciseFrame &frame, bool subtract);

    bool subtract() const { return subtract_; }

    // "Avvio" of the random screens: draws a problem (subtraction redraws until the
    // difference is not negative), puts it on screen and asks the first step.
    void startRandom() override;
    // A typed problem needs all four entries, none 0; a subtraction whose first fraction
    // is the smaller is refused as well.
    bool admits(const EnteredProblem &problem) override;
    void startWithOperands() override;

    void AzzeraSchermo() override;
    void SemplificaVerticale1();
    void SemplificaVerticale2();
    void ScegliPrimoPasso();
    void DenominatoreComune();
    void CalcolaRisultato();
    void SemplificaRisultato();

    // "OK" (and Enter): checks the entry in the current step box and moves on.
    void check();
    // "Soluzione": writes the whole worked solution, counting nothing.
    void solution();
    // "Ripeti": the same problem again, unscored.
    void repeat();

  private:
    // Picks the first step of the problem now in the operand boxes and gives it the focus.
    void firstStep();
    void semplificaVerticale(int which);
    void drawFractions();
    void showOperands();
    void write(int box, long value, bool leadingBlank = false);

    ExerciseFrame &frame_;
    AppContext &ctx_;
    SharedState &s_;
    bool subtract_;
};
