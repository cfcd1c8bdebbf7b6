// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "source_panel.h"

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
class PupilEntryScreen : public SourcePanel {
    Q_OBJECT
  public:
    // Finishes the screen's load: the keypad on for the first numerator, OK off.
    PupilEntryScreen(ExerciseFrame &frame, EntrySign sign, Procedure &procedure);

    PupilEntryFrame *entryFrame() const { return entry_; }

    // Checks the entries and starts the problem they make.
    void start() override;
    QLineEdit *keypadTarget() const override;
    // Gives the start menu its mode back, whatever phase the screen was left in.
    void leaving() override;

  private:
    void load();
    void select(int campo);
    void trimOverlong(int campo);

    ExerciseFrame &frame_;
    Procedure &procedure_;
    PupilEntryFrame *entry_ = nullptr;
};
