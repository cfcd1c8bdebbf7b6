#pragma once

#include "procedure.h"

#include <array>

class ExerciseFrame;
class ProductProcedure;
class QLineEdit;
struct AppContext;
struct SharedState;

// The division screens: the division as posed stands on a row of its own (txtNumDiv), the
// pupil rewrites it box by box as a product by the reciprocal in the operand boxes (the
// rewrite phase, FaseReciproco 1, CampoDiv naming the box asked), and the product is then
// worked exactly as on the multiplication screens.
class DivisionProcedure : public Procedure {
    Q_OBJECT
  public:
    DivisionProcedure(ExerciseFrame &frame, bool pupilEntry);

    ProductProcedure &product() const { return *product_; }
    QLineEdit *txtNumDiv(int k) const { return given_[k - 1]; }

    void AzzeraSchermo() override;
    // A range change wipes the given row too.
    void clearProblem() override;
    // cmdStartDiv on the random screen: also the second half of its "Ripeti".
    void startRandom() override;
    bool admits(const EnteredProblem &problem) override;
    void startWithOperands() override;
    void repeat();
    void check();
    // From the rewrite to the multiplication of the rewritten product.
    void AvviaMoltiplicazione();

  private:
    QLineEdit *rewriteBox(int campo) const;
    void showGiven(int first);
    void clearGiven();
    void writeReciproco();
    void beginRewrite();
    void checkRewrite();

    ExerciseFrame &frame_;
    AppContext &ctx_;
    SharedState &s_;
    ProductProcedure *product_ = nullptr;
    std::array<QLineEdit *, 4> given_{};
    bool pupilEntry_;
};
