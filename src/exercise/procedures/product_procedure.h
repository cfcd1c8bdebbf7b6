#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

class ExerciseFrame;
class QLineEdit;
struct AppContext;
struct SharedState;

// The written product of two fractions, shared by the multiplication screens and the
// multiplication phase of the division screens: it builds the operand boxes and step boxes
// txtFraz(1..10) on the frame and runs the five stages, the check and the solution.
//
// The stages read their numbers from the boxes and tell what came before from which boxes
// are filled, so every exercise is prepared by running the solution routine (which fills
// them) and wiping its output again: see beginProduct().
class ProductProcedure : public QObject {
    Q_OBJECT
  public:
    // Builds the working area shifted by shift from where frmMolt has it.
    ProductProcedure(ExerciseFrame &frame, QPoint shift);

    // Runs in the solution routine just before the stages (the division writes the
    // rewritten product into the operand boxes there).
    std::function<void()> beforeStages;

    void AzzeraSchermo();
    void SemplificaVerticale1();
    void SemplificaVerticale2();
    void SemplificaDiagonale1();
    void SemplificaDiagonale2();
    void CalcolaProdotto();

    // "Soluzione": the whole worked solution written out, every replaced place greyed;
    // also computes Risposte and SequenzaPassi.
    void solution();
    // With the problem in the operand boxes: prepares it through the solution routine,
    // empties the step boxes and asks the first step.
    void beginProduct();
    // "OK" (and Enter) while a product step is current.
    void check();
    // Num1..Den2 into the operand boxes.
    void showOperands();

  private:
    void semplificaVerticale(QLineEdit *num, QLineEdit *den, int firstBox);
    void semplificaDiagonale(int innerA, int outerA, QLineEdit *operandA, int innerB, int outerB,
                             QLineEdit *operandB);
    void appendStep(int box);
    void ask(int box, long value, bool leadingBlank = false);
    long gcdOf(long a, long b);
    void pairPrompt();
    QLineEdit *place(int p) const;
    void enableOperands();
    void emptySteps();

    ExerciseFrame &frame_;
    AppContext &ctx_;
    SharedState &s_;
};
