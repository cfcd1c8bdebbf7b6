// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addsub_steps.h"

#include "arithmetic.h"

bool differenceIsNegative(const Problem &p) {
    return p.op == Operation::Subtraction && fractionLess(p.Num1, p.Den1, p.Num2, p.Den2);
}

namespace {
// Steps first and first + 1 ask num/den divided by their greatest common divisor, when
// that is above 1: returns whether they are asked, and leaves num/den as they then stand.
bool reduce(long &num, long &den, int first, std::array<int16_t, 13> &Risposte) {
    const long MCD = mcdOf(num, den);
    if (MCD <= 1)
        return false;
    num /= MCD;
    den /= MCD;
    Risposte[first] = int16_t(num);
    Risposte[first + 1] = int16_t(den);
    return true;
}
} // namespace

AddSubSteps addSubSteps(const Problem &p) {
    AddSubSteps s;
    auto &R = s.Risposte;
    long num1 = p.Num1, den1 = p.Den1, num2 = p.Num2, den2 = p.Den2;
    s.reduceFirst = reduce(num1, den1, 1, R);
    s.reduceSecond = reduce(num2, den2, 3, R);
    if (den1 <= 0 || den2 <= 0) // no problem: nothing to expand
        return s;
    const long OpMcm1 = den1;
    const long OpMcm2 = den2;
    const long mcm = mcmOf(OpMcm1, OpMcm2);
    R[5] = int16_t(mcm);
    R[6] = int16_t(num1 * (mcm / OpMcm1));
    R[7] = int16_t(num2 * (mcm / OpMcm2));
    R[8] = int16_t(p.op == Operation::Subtraction ? R[6] - R[7] : R[6] + R[7]);
    R[9] = R[5];
    // Only a difference can be 0, and 0 stays as it is.
    long n = R[8];
    long d = R[9];
    s.reduceResult = n != 0 && reduce(n, d, 10, R);
    return s;
}

int firstAddSubStep(const AddSubSteps &steps) {
    if (steps.reduceFirst)
        return 1;
    return steps.reduceSecond ? 3 : 5;
}

int addSubStepAfter(const AddSubSteps &steps, int answered) {
    const int next = answered + 1;
    if (next == 3 && !steps.reduceSecond)
        return 5;
    if (next == 10 && !steps.reduceResult)
        return 0;
    return next <= 11 ? next : 0;
}

int addSubStepOnFocus(const AddSubSteps &steps, int Passo) {
    return Passo == 3 && steps.Risposte[3] == 0 ? 5 : Passo;
}
