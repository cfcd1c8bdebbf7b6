#pragma once

#include <QObject>
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
// The random screens set the frame's start hook to startRandom(). A pupil-entry screen
// does its own start: AzzeraSchermo(), its checks, Num1..Den2 and the operand boxes
// filled, then startWithOperands().
class AddSubProcedure : public QObject {
    Q_OBJECT
  public:
    AddSubProcedure(ExerciseFrame &frame, bool subtract);

    bool subtract() const { return subtract_; }

    // "Avvio" of the random screens: draws a problem (subtraction redraws until the
    // difference is not negative), puts it on screen and asks the first step.
    void startRandom();
    // Picks the first step of the problem now in the operand boxes and gives it the focus.
    void startWithOperands();

    void AzzeraSchermo();
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

    // Reads a box as the step procedures do: the number formed by its leading digits,
    // blanks ignored; empty or no digits reads as 0.
    static long boxValue(const QLineEdit *box);
    // Converts a whole entry as the check does: blanks around it and leading zeros allowed,
    // otherwise only digits; false when the text is no whole number that fits a step box.
    static bool entryValue(const QString &text, int &value);

  private:
    void semplificaVerticale(int which);
    void drawFractions();
    void showOperands();
    void write(int box, long value, bool leadingBlank = false);
    void finish();

    ExerciseFrame &frame_;
    AppContext &ctx_;
    SharedState &s_;
    bool subtract_;
};
