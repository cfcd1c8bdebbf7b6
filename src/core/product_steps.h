// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "problem.h"

#include <array>
#include <cstdint>

// The written product of two fractions, planned from its four terms alone: which steps are
// asked, in which order, what each expects and which place each crosses out. The
// multiplication screens and the division screens' second phase render the plan; nothing
// here knows a widget.
//
// Each term has a chain of places written outward from its fraction; its newest value
// stands in the outermost filled place:
//   first numerator    txtNum1 -> box 1 -> box 5
//   first denominator  txtDen1 -> box 2 -> box 6
//   second numerator   txtNum2 -> box 3 -> box 7
//   second denominator txtDen2 -> box 4 -> box 8
// The stages, in this order, each asked as a pair of steps only when its two terms have a
// greatest common divisor above 1, each step writing a term divided by it in the next place
// of its chain and crossing out the place it replaces:
//   A  the first fraction on its own                   first numerator, first denominator
//   B  the second fraction on its own                  second numerator, second denominator
//   C  across, from the first numerator                first numerator, second denominator
//   D  across, from the first denominator              first denominator, second numerator
//   E  always: the product in lowest terms, worked from the terms as given, in boxes 9, 10

// A place of the product's working area: step boxes by their number 1..10, the operand
// boxes after them.
enum ProductPlace : int8_t {
    kPlaceNum1 = 11,
    kPlaceDen1 = 12,
    kPlaceNum2 = 13,
    kPlaceDen2 = 14,
};

struct ProductSteps {
    // SequenzaPassi[1..count]: the step boxes in the order they are asked (index 0 unused).
    std::array<int16_t, 16> SequenzaPassi{};
    int count = 0;
    // Risposte[k]: what step box k expects; 0 for a box the product does not ask.
    std::array<int16_t, 13> Risposte{};
    // replaces[k]: the place step box k's value replaces, crossed out once it is written;
    // 0 for the product's own boxes 9 and 10 and for a box not asked.
    std::array<int8_t, 11> replaces{};
};

// Plans the product of terms: first numerator, first denominator, second numerator, second
// denominator, each from 1 to 99.
ProductSteps productSteps(const std::array<int, 4> &terms);

// The division problem rewritten as a product by the reciprocal: Num1/Den1 x Den2/Num2, in
// the order of productSteps' terms and of the rewrite boxes (Reciproco 1..4).
std::array<int, 4> divisionRewrite(const Problem &problem);
