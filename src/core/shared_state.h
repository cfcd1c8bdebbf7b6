// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "problem.h" // ProblemSource

#include <array>
#include <cstdint>

class QString;

// What the screens share and what outlives a screen, for the life of the process: the sound
// switch, the chosen mode, the current step of the exercise on screen with the answers its
// steps expect, the range limits of the draws and the counters of the visit. Every value
// starts unset, which is 0 here, so "unset" and 0 compare alike; only the sound switch starts
// on. One instance belongs to the running program; tests make their own.
//
// What belongs to one screen's exercise lives with that screen in src/exercise (the repeat
// flag and the problem in the frame, the entry phase and box in the pupil-entry screen, the order
// of a product's steps in its procedure, the division's rewrite in its procedure); what only
// carried a result from one call to the next is now a return value or an argument under its
// name (CalcolaMCD's MCD, CalcolaMcm's mcm and OpMcm1/OpMcm2, Casuali's NumCasuale and
// DenCasuale, the steps' MostraSoluzione, Suona's BufferSuono).
struct SharedState {
    // Sound switch: cues play only while on. Toggled by the start menu's loudspeaker.
    bool SuonoAttivo = true;

    // The start menu's choice; read by its operation buttons.
    ProblemSource Modo{};

    // The step box txtFraz(Passo) that takes the next entry; 0 or past the last box: none.
    // Set to 1 by every screen's load, then by the procedures; read by the keypad, "OK" and
    // the focus rule.
    int Passo = 0;

    // Inclusive ranges of drawn numerators and denominators (the minimum is always 1); set by
    // the range options of the random screens, 1 to 25 at each load; read by Casuali.
    int NumMax = 0;
    int NumMin = 0;
    int DenMax = 0;
    int DenMin = 0;

    // The counters of the current visit to a screen, each shown as soon as it changes and
    // set to 0 by every screen's load: exercises started (not repeats), completed and
    // wrong answers (neither counted during a repeat). They keep their values after "Esci".
    int Avviate = 0;
    int Eseguite = 0;
    int Errori = 0;

    // Risposte[k]: the answer step box k expects, stored by the step procedures before the
    // pupil answers it (index 0 unused); later steps work on the answers earlier ones stored.
    std::array<int16_t, 13> Risposte{};
};

// The counters are shown as one blank followed by the value: " 0", " 12".
QString counterText(int value);
