// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "notices.h"
#include "product_steps.h" // ProductPlace

#include <array>
#include <cstdint>

// What the screen shows when the pair of steps (a, b) of a product begins: the notice and
// the two places crossed out. notice is nullptr for a pair that is no simplification (the
// product pair 9, 10), which leaves the notice as it was and greys nothing.
struct PairPrompt {
    const char *notice = nullptr;
    std::array<int8_t, 2> greyed{};
};

// The pairs the stages can produce, tested in this order.
inline PairPrompt productPairPrompt(int a, int b) {
    using namespace notices;
    struct Row {
        int a, b;
        PairPrompt prompt;
    };
    static constexpr Row kRows[] = {
        {1, 2, {kVerticale, {kPlaceNum1, kPlaceDen1}}},
        {3, 4, {kVerticale, {kPlaceNum2, kPlaceDen2}}},
        {1, 4, {kDiagonale, {kPlaceNum1, kPlaceDen2}}},
        {1, 8, {kDiagonale, {kPlaceNum1, 4}}},
        {2, 3, {kDiagonale, {kPlaceDen1, kPlaceNum2}}},
        {2, 7, {kDiagonale, {kPlaceDen1, 3}}},
        {5, 4, {kDiagonale, {1, kPlaceDen2}}},
        {5, 8, {kDiagonale, {1, 4}}},
        {6, 3, {kDiagonale, {2, kPlaceNum2}}},
        {6, 7, {kDiagonale, {2, 3}}},
    };
    for (const Row &row : kRows)
        if (row.a == a && row.b == b)
            return row.prompt;
    return {};
}
