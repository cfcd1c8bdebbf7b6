#pragma once

#include "procedure.h"

class ExerciseFrame;
class ProductProcedure;
struct AppContext;
struct SharedState;

// The multiplication screens: the written product, started from a draw or from the
// pupil's entry. On the pupil-entry screen "Ripeti" stays usable during an exercise, so the
// pupil may restart the same problem, unscored, at any time.
class MultiplicationProcedure : public Procedure {
    Q_OBJECT
  public:
    MultiplicationProcedure(ExerciseFrame &frame, bool pupilEntry);

    ProductProcedure &product() const { return *product_; }

    void AzzeraSchermo() override;
    void startRandom() override;
    bool admits(const EnteredProblem &problem) override;
    void startWithOperands() override;
    // "Ripeti": the same problem again, unscored.
    void repeat();

  private:
    void begin();

    ExerciseFrame &frame_;
    AppContext &ctx_;
    SharedState &s_;
    ProductProcedure *product_ = nullptr;
    bool pupilEntry_;
};
