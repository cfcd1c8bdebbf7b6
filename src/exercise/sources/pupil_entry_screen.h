#pragma once

#include <QObject>

class ExerciseFrame;
class Procedure;
class PupilEntryFrame;
class QLineEdit;
enum class EntrySign;

// Turns an exercise frame into a pupil-entry screen: the entry frame sits where the
// random screens have their ranges, the keypad types into the selected entry box while
// Modo is 1 (entering) and into the current step box while it is 2 (solving), and
// "Avvio" refuses an incomplete or unusable problem with the wrong-answer cue alone.
// Which problems the screen's operation admits, and how it starts one, is the procedure's.
class PupilEntryScreen : public QObject {
    Q_OBJECT
  public:
    PupilEntryScreen(ExerciseFrame &frame, EntrySign sign, Procedure &procedure);

    PupilEntryFrame *entryFrame() const { return entry_; }

  private:
    void load();
    void select(int campo);
    void trimOverlong(int campo);
    void start();
    QLineEdit *keypadTarget() const;

    ExerciseFrame &frame_;
    Procedure &procedure_;
    PupilEntryFrame *entry_ = nullptr;
};
