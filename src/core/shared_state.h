// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

// What the screens share for the life of the process. Every value starts unset, which is 0
// here, so "unset" and 0 compare alike; only the sound switch starts on. One instance
// belongs to the running program; tests make their own.
//
// Everything else has one owner: the mode in the start menu, the problem, the counters and
// the repeat flag in the exercise frame, the ranges in the range options, the entry phase
// and box in the pupil-entry screen, the order of a product's steps and the division's
// rewrite in their procedures. What only carried a result from one call to the next is a
// return value or an argument under its name (CalcolaMCD's MCD, CalcolaMcm's mcm and
// OpMcm1/OpMcm2, Casuali's NumCasuale and DenCasuale, the steps' MostraSoluzione, Suona's
// BufferSuono).
struct SharedState {
    // Sound switch: cues play only while on. Toggled by the start menu's loudspeaker.
    bool SuonoAttivo = true;

    // The step box txtFraz(Passo) that takes the next entry; 0 or past the last box: none.
    // Set to 1 by every screen's load, then by the procedures; read by the keypad, "OK" and
    // the focus rule.
    int Passo = 0;

    // Risposte[k]: the answer step box k expects, stored by the step procedures before the
    // pupil answers it (index 0 unused); later steps work on the answers earlier ones stored.
    std::array<int16_t, 13> Risposte{};
};
