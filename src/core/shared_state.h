// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the screens share for the life of the process. One instance belongs to the running
// program; tests make their own.
//
// Only the sound switch is here: the start menu toggles it, every screen's cues obey it, and
// it must outlive each screen. Everything else the screens hold has a single owner of its
// own (docs/engine.md, "What each part owns"); what only carried a result from one call to
// the next is a return value or an argument under its name (CalcolaMCD's MCD, CalcolaMcm's
// mcm and OpMcm1/OpMcm2, Casuali's NumCasuale and DenCasuale, the steps' MostraSoluzione,
// Suona's BufferSuono).
struct SharedState {
    // Sound switch: cues play only while on. Toggled by the start menu's loudspeaker.
    bool SuonoAttivo = true;
};
