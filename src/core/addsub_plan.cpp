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
    const int g1 = gcd(num1, den1);
    p.reduceFirst = g1 > 1;
    if (p.reduceFirst) {
        num1 /= g1;
        den1 /= g1;
        ask(1, num1);
        ask(2, den1);
    }
    const int g2 = gcd(num2, den2);
    p.reduceSecond = g2 > 1;
    if (p.reduceSecond) {
        num2 /= g2;
        den2 /= g2;
        ask(3, num2);
        ask(4, den2);
    }
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
