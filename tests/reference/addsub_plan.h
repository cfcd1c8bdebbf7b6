// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

// The tests' own plan of one addition or subtraction of two fractions, written apart from
// the screens so they can be checked against it: the steps the exercise screen leads the
// pupil through, computed from the four numbers alone:
//   boxes 1, 2   the first fraction reduced by its greatest common divisor (if it is > 1)
//   boxes 3, 4   the second fraction likewise
//   box 5        the least common multiple D of the two current denominators
//   boxes 6, 7   the two current numerators expanded to D
//   boxes 8, 9   their sum (or difference) over D
//   boxes 10, 11 that result reduced, if its greatest common divisor is > 1 (a zero
//                difference is never reduced)
// Boxes are numbered like the screen's step boxes; answer[k] is what box k expects.
struct AddSubPlan {
    std::array<int8_t, 11> order{}; // the boxes in the order they are asked
    int count = 0;
    std::array<int16_t, 13> answer{};
    bool reduceFirst = false;
    bool reduceSecond = false;
    bool reduceResult = false;
};

// Plans num1/den1 + num2/den2 (or minus, when subtract). Operands are whole numbers from
// 1 to 99. Allocation-free, so it can be run over every problem of the domain.
AddSubPlan planAddSub(bool subtract, int num1, int den1, int num2, int den2);

// The notice the screen shows while box k is the current step.
const char *addSubNotice(int box);
