// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "source_panel.h"

class ExerciseFrame;
class Procedure;
class PupilEntryFrame;
class QLineEdit;
enum class EntrySign;

// What Modo holds inside a pupil-entry screen: what the pupil is doing there, with the
// codes Modo has always had there. (On the start menu Modo is a ProblemSource, problem.h.)
enum class EntryPhase : int {
    Entering = 1, // typing the problem into the entry frame
    Solving = 2,  // working the problem in the step boxes
};

// Turns an exercise frame into a pupil-entry screen: the entry frame sits where the
// random screens have their ranges, the keypad types into the selected entry box while
// the pupil is entering a problem and into the current step box while solving it, and
// "Avvio" refuses an incomplete or unusable problem. Which problems the screen's operation
// accepts, and what it plays when it refuses one, is the operation's.
class PupilEntryScreen : public SourcePanel {
    Q_OBJECT
  public:
    // The screen's phase and selected entry box, under their Italian names.
    struct Phase {
        EntryPhase Modo = EntryPhase::Entering;
        // The entry box the keypad feeds while entering (1 txtInsNum1, 2 txtInsDen1,
        // 3 txtInsNum2, 4 txtInsDen2); 1 at load, then the box last clicked.
        int CampoIns = 1;
    };

    // The problems typed are of op, shown with sign between the fractions.
    PupilEntryScreen(ExerciseFrame &frame, Operation op, EntrySign sign, Procedure &procedure);

    PupilEntryFrame *entryFrame() const { return entry_; }
    const Phase &phase() const { return state_; }

    // The working area emptied, the pupil entering the first numerator: the keypad on for
    // it, "OK" off.
    void load() override;
    // Reads the entries; a problem the operation accepts is returned, the entries are emptied
    // and the pupil is solving.
    std::optional<Problem> takeProblem(const Procedure &procedure) override;
    QLineEdit *keypadTarget() const override;

  private:
    void select(int campo);
    void trimOverlong(int campo);

    ExerciseFrame &frame_;
    Procedure &procedure_;
    const Operation op_;
    PupilEntryFrame *entry_ = nullptr;
    Phase state_;
};
