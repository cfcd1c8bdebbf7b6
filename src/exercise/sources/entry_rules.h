// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

// How the pupil-entry screens turn the four typed entries into a problem. Plain C++ so
// every combination can be checked without a window.

// The number formed by the leading decimal digits of text, blanks ignored: "07" is 7,
// "3.5" is 3, "" is 0. A sign is not a digit, so "-5" and "a1" read as 0; the result is
// never negative. Digits past what an int holds are ignored rather than overflowing.
int leadingNumber(std::string_view text);

// Why the entries make no problem, in the order the checks run. Whether the screen's
// operation can work the problem they make is the operation's to say (Procedure::accepts).
enum class StartVerdict {
    Accepted,
    EmptyEntry, // one of the four boxes holds nothing
    ZeroEntry,  // one of them reads as 0 (numerators included)
};

// The entries in box order: first numerator, first denominator, second numerator,
// second denominator.
using EntryTexts = std::array<std::string_view, 4>;

struct EnteredProblem {
    StartVerdict verdict = StartVerdict::EmptyEntry;
    int num1 = 0;
    int den1 = 0;
    int num2 = 0;
    int den2 = 0;
};

// Checks the entries as "Avvio" does. The four values are filled in whenever the boxes are
// all non-empty, so the caller can show what was read. An accepted problem has every value
// from 1 up.
EnteredProblem checkEntries(const EntryTexts &texts);
