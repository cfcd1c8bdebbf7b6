// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addsub_steps.h"

#include "arithmetic.h"

bool differenceIsNegative(const Problem &p) {
    return p.op == Operation::Subtraction && fractionLess(p.Num1, p.Den1, p.Num2, p.Den2);
}
