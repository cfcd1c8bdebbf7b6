// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "product_steps.h"

#include "arithmetic.h"

#include <algorithm>

namespace {
// Each term's chain of places: the operand box, then the step boxes outward.
constexpr int8_t kChain[4][3] = {
    {kPlaceNum1, 1, 5}, // first numerator
    {kPlaceDen1, 2, 6}, // first denominator
    {kPlaceNum2, 3, 7}, // second numerator
    {kPlaceDen2, 4, 8}, // second denominator
};
// The two terms each of the stages A..D reduces against each other, the one asked first
// leading.
constexpr int kStageTerms[4][2] = {{0, 1}, {2, 3}, {0, 3}, {1, 2}};
} // namespace

ProductSteps productSteps(const std::array<int, 4> &terms) {
    ProductSteps s;
    const auto ask = [&s](int box, long value, int replaced) {
        s.SequenzaPassi[++s.count] = int16_t(box);
        s.Risposte[box] = int16_t(value); // at most 99 x 99
        s.replaces[box] = int8_t(replaced);
    };
    long value[4] = {terms[0], terms[1], terms[2], terms[3]};
    int level[4] = {0, 0, 0, 0};
    for (const auto &stage : kStageTerms) {
        const long MCD = mcdOf(value[stage[0]], value[stage[1]]);
        if (MCD <= 1)
            continue;
        for (const int t : stage) {
            value[t] /= MCD;
            const int replaced = kChain[t][level[t]];
            ask(kChain[t][++level[t]], value[t], replaced);
        }
    }
    // From the numbers as given: the result comes out in lowest terms all the same.
    const long p = long(terms[2]) * terms[0];
    const long q = long(terms[3]) * terms[1];
    const long MCD = std::max(1L, mcdOf(p, q)); // 0 only with no problem
    ask(9, p / MCD, 0);
    ask(10, q / MCD, 0);
    return s;
}

std::array<int, 4> divisionRewrite(const Problem &p) {
    return {p.Num1, p.Den1, p.Den2, p.Num2};
}
