// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addsub_plan.h"

namespace {
int gcd(int a, int b) {
    a = a < 0 ? -a : a;
    while (b != 0) {
        const int r = a % b;
        a = b;
        b = r;
    }
    return a;
}
} // namespace

AddSubPlan planAddSub(bool subtract, int num1, int den1, int num2, int den2) {
    AddSubPlan p;
    auto ask = [&p](int box, int value) {
        p.order[p.count++] = int8_t(box);
        p.answer[box] = int16_t(value);
    };
    // A fraction in lowest terms is left alone; otherwise both its terms are asked,
    // divided by their greatest common divisor, in the two boxes from firstBox.
    auto reduce = [&ask](int &num, int &den, int firstBox) {
        const int g = gcd(num, den);
        if (g <= 1)
            return false;
        num /= g;
        den /= g;
        ask(firstBox, num);
        ask(firstBox + 1, den);
        return true;
    };
    p.reduceFirst = reduce(num1, den1, 1);
    p.reduceSecond = reduce(num2, den2, 3);
    const int common = den1 / gcd(den1, den2) * den2;
    const int x = num1 * (common / den1);
    const int y = num2 * (common / den2);
    ask(5, common);
    ask(6, x);
    ask(7, y);
    const int result = subtract ? x - y : x + y;
    ask(8, result);
    ask(9, common);
    const int g = gcd(result, common);
    p.reduceResult = g > 1 && result != 0;
    if (p.reduceResult) {
        ask(10, result / g);
        ask(11, common / g);
    }
    return p;
}

const char *addSubNotice(int box) {
    if (box >= 5 && box <= 7)
        return "Esegui";
    if (box == 8 || box == 9)
        return "Calcola";
    return "Semplifica in verticale";
}
