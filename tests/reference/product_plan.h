// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "product_steps.h" // ProductPlace

#include <array>
#include <cstdint>

// The tests' own plan of a product of two fractions, written apart from the screens so they
// can be checked against it: the steps the multiplication screens lead the pupil through,
// computed from the four numbers alone. Each term has a chain of places
// written outward from the fraction, and the newest value of a term is the outermost
// filled place of its chain:
//   first numerator    txtNum1 -> box 1 -> box 5
//   first denominator  txtDen1 -> box 2 -> box 6
//   second numerator   txtNum2 -> box 3 -> box 7
//   second denominator txtDen2 -> box 4 -> box 8
// The stages, in this order, each asked as a pair of boxes only when it simplifies
// something (greatest common divisor > 1):
//   A  the first fraction reduced on its own           boxes 1, 2
//   B  the second fraction reduced on its own          boxes 3, 4
//   C  first numerator against second denominator      next places of those two chains
//   D  first denominator against second numerator      next places of those two chains
//   E  the product in lowest terms, always             boxes 9, 10

// Places are numbered as the program numbers them (ProductPlace, product_steps.h).

struct ProductStep {
    int8_t box = 0;    // the step box asked, 1..10
    int16_t value = 0; // what it expects
};

struct ProductPlan {
    std::array<ProductStep, 10> steps{}; // in the order they are asked
    int count = 0;                       // 2 to 10, always even
    std::array<int16_t, 11> answer{};    // answer[k]: what box k expects (0 if not asked)
    // Which of the stages A..E apply, and the places each stage crosses out (two each for
    // A..D; E crosses nothing out).
    std::array<bool, 5> applies{};
    std::array<std::array<int8_t, 2>, 5> greyed{};
};

// Plans num1/den1 x num2/den2. Operands are whole numbers from 1 to 99. Allocation-free,
// so it can be run over every problem of the domain.
ProductPlan planProduct(int num1, int den1, int num2, int den2);

// A division num1/den1 : num2/den2 rewritten as num1/den1 x den2/num2: the four rewrite
// boxes (txtNum1, txtDen1, txtNum2, txtDen2, indexes 1..4 as Reciproco) and then the plan
// of that product.
struct DivisionPlan {
    std::array<int16_t, 5> rewrite{};
    ProductPlan product;
};
DivisionPlan planDivision(int num1, int den1, int num2, int den2);
