#pragma once

#include <QObject>
#include <functional>

class AddSubProcedure;
class ExerciseFrame;
class PupilEntryFrame;
class QLineEdit;
enum class EntrySign;
enum class Operation;
struct EnteredProblem;

// Turns an exercise frame into a pupil-entry screen: the entry frame sits where the
// random screens have their ranges, the keypad types into the selected entry box while
// Modo is 1 (entering) and into the current step box while it is 2 (solving), and
// "Avvio" refuses an incomplete or unusable problem with the wrong-answer cue alone.
// An accepted addition or subtraction is then worked by addSub exactly as a random one.
class PupilEntryScreen : public QObject {
    Q_OBJECT
  public:
    // addSub is null on the multiplication and division screens.
    PupilEntryScreen(ExerciseFrame &frame, EntrySign sign, AddSubProcedure *addSub);

    PupilEntryFrame *entryFrame() const { return entry_; }

    // Runs after an accepted start on the multiplication and division screens, once the
    // operands are in Num1..Den2 and on screen; their procedures take over from there.
    std::function<void()> continueStart;

  private:
    void load();
    void select(int campo);
    void trimOverlong(int campo);
    void start();
    void takeOperands(const EnteredProblem &p);
    void resetWorkingArea();
    QLineEdit *keypadTarget() const;

    ExerciseFrame &frame_;
    PupilEntryFrame *entry_ = nullptr;
    AddSubProcedure *addSub_ = nullptr;
    EntrySign sign_;
};

// Makes frame the pupil-entry screen of op: entry frame, keypad routing, start checks.
void attachPupilEntry(ExerciseFrame &frame, Operation op, AddSubProcedure *addSub);
