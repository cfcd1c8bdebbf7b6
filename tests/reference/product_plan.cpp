// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "product_plan.h"

namespace {
constexpr int gcd(int a, int b) {
    while (b != 0) {
        const int r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// Every term stages A..D meet divides an operand, so lies in 1..99. A table spares the
// divisions of Euclid's loop, most of the plan's cost when it is run over the whole domain.
constexpr auto kSmallGcd = [] {
    std::array<std::array<int8_t, 100>, 100> table{};
    for (int a = 0; a < 100; ++a)
        for (int b = 0; b < 100; ++b)
            table[a][b] = int8_t(gcd(a, b));
    return table;
}();

// The four terms in the order of their chains; a term's chain is its operand box and then
// the step boxes written outward from it.
enum Term { kNum1, kDen1, kNum2, kDen2 };
constexpr int8_t kChain[4][3] = {
    {kPlaceNum1, 1, 5},
    {kPlaceDen1, 2, 6},
    {kPlaceNum2, 3, 7},
    {kPlaceDen2, 4, 8},
};

// The two terms each of the stages A..D sets against each other, the one asked first
// leading: across the diagonals that is the first fraction's term, so D starts from a
// denominator.
constexpr Term kStageTerms[4][2] = {
    {kNum1, kDen1},
    {kNum2, kDen2},
    {kNum1, kDen2},
    {kDen1, kNum2},
};
} // namespace

ProductPlan planProduct(int num1, int den1, int num2, int den2) {
    ProductPlan p;
    // Where each term stands on its chain and what it is worth there: a stage reads the
    // newest value of a term, whichever place holds it, and writes the next place out.
    int level[4] = {0, 0, 0, 0};
    int value[4] = {num1, den1, num2, den2};
    auto ask = [&p](int box, int v) {
        p.steps[p.count++] = {int8_t(box), int16_t(v)};
        p.answer[box] = int16_t(v);
    };
    for (int stage = 0; stage < 4; ++stage) {
        const Term first = kStageTerms[stage][0];
        const Term second = kStageTerms[stage][1];
        const int g = kSmallGcd[value[first]][value[second]];
        if (g == 1)
            continue;
        p.applies[stage] = true;
        p.greyed[stage] = {kChain[first][level[first]], kChain[second][level[second]]};
        for (const Term t : {first, second}) {
            value[t] /= g;
            ++level[t];
            ask(kChain[t][level[t]], value[t]);
        }
    }
    // Reduced from the numbers as given rather than from the simplified ones, so the result
    // is in lowest terms whatever the stages above did.
    const int top = num2 * num1;
    const int bottom = den2 * den1;
    // gcd(num2 * num1, bottom) = g1 * gcd(num2, bottom / g1) with g1 = gcd(num1, bottom):
    // two small lookups instead of Euclid on four-digit numbers.
    const int g1 = kSmallGcd[num1][bottom % num1];
    const int g = g1 * kSmallGcd[num2][bottom / g1 % num2];
    p.applies[4] = true;
    ask(9, top / g);
    ask(10, bottom / g);
    return p;
}

DivisionPlan planDivision(int num1, int den1, int num2, int den2) {
    // Built in place rather than assigned, so the plan is not zeroed and copied twice.
    return {{0, int16_t(num1), int16_t(den1), int16_t(den2), int16_t(num2)},
            planProduct(num1, den1, den2, num2)};
}
