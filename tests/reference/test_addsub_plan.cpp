// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The plan of every addition and subtraction with operands 1..99 against plain rational
// arithmetic.

#include "addsub_plan.h"
#include "domain_stride.h"

#include <QElapsedTimer>
#include <QTest>
#include <numeric>

namespace {
struct Reduced {
    int num, den;
    bool reducible;
};
Reduced reduced[100][100];
int lcmOf[100][100];

struct Failure {
    long count = 0;
    QString first;
    void note(bool subtract, int n1, int d1, int n2, int d2, const char *what) {
        if (count++ == 0)
            first = QStringLiteral("%1/%2 %3 %4/%5: %6")
                        .arg(n1)
                        .arg(d1)
                        .arg(subtract ? '-' : '+')
                        .arg(n2)
                        .arg(d2)
                        .arg(QString::fromLatin1(what));
    }
};

// Returns nullptr when the plan is sound, else what is wrong with it.
const char *checkOne(bool subtract, int n1, int d1, int n2, int d2) {
    const AddSubPlan p = planAddSub(subtract, n1, d1, n2, d2);
    const Reduced &f = reduced[n1][d1];
    const Reduced &g = reduced[n2][d2];
    int expectSteps[11];
    int n = 0;
    if (f.reducible) {
        expectSteps[n++] = 1;
        expectSteps[n++] = 2;
        if (p.answer[1] != f.num || p.answer[2] != f.den)
            return "first fraction not reduced by its gcd";
    }
    if (g.reducible) {
        expectSteps[n++] = 3;
        expectSteps[n++] = 4;
        if (p.answer[3] != g.num || p.answer[4] != g.den)
            return "second fraction not reduced by its gcd";
    }
    const long D = p.answer[5];
    if (D != lcmOf[f.den][g.den] || p.answer[9] != D)
        return "common denominator is not the lcm";
    if (long(p.answer[6]) * f.den != long(f.num) * D ||
        long(p.answer[7]) * g.den != long(g.num) * D)
        return "numerators not expanded to the common denominator";
    for (int k = 5; k <= 9; ++k)
        expectSteps[n++] = k;
    // The exact result of the operands as given.
    const long exactNum = subtract ? long(n1) * d2 - long(n2) * d1 : long(n1) * d2 + long(n2) * d1;
    const long exactDen = long(d1) * d2;
    if (long(p.answer[8]) * exactDen != exactNum * D)
        return "sum or difference is wrong";
    long finalNum = p.answer[8], finalDen = D;
    if (p.reduceResult) {
        expectSteps[n++] = 10;
        expectSteps[n++] = 11;
        finalNum = p.answer[10];
        finalDen = p.answer[11];
    }
    if (finalNum * exactDen != exactNum * finalDen)
        return "final fraction differs from the exact result";
    if (finalNum == 0 ? (p.reduceResult || finalDen != D)
                      : std::gcd(std::labs(finalNum), finalDen) != 1)
        return "final fraction not in lowest terms";
    if (p.count != n)
        return "wrong number of steps";
    for (int i = 0; i < n; ++i)
        if (p.order[i] != expectSteps[i])
            return "steps out of order";
    return nullptr;
}
} // namespace

class TestAddSubPlan : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void workedExample();
    void everyProblemAgreesWithRationalArithmetic_data();
    void everyProblemAgreesWithRationalArithmetic();
};

void TestAddSubPlan::initTestCase() {
    for (int a = 1; a <= 99; ++a)
        for (int b = 1; b <= 99; ++b) {
            const int g = std::gcd(a, b);
            reduced[a][b] = {a / g, b / g, g > 1};
            lcmOf[a][b] = std::lcm(a, b);
        }
}

void TestAddSubPlan::workedExample() {
    const AddSubPlan p = planAddSub(false, 2, 4, 1, 6);
    QCOMPARE(p.count, 9);
    const int order[] = {1, 2, 5, 6, 7, 8, 9, 10, 11};
    const int answer[] = {1, 2, 6, 3, 1, 4, 6, 2, 3};
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(int(p.order[i]), order[i]);
        QCOMPARE(int(p.answer[order[i]]), answer[i]);
    }
    QCOMPARE(addSubNotice(1), "Semplifica in verticale");
    QCOMPARE(addSubNotice(6), "Esegui");
    QCOMPARE(addSubNotice(9), "Calcola");
    QCOMPARE(addSubNotice(11), "Semplifica in verticale");
}

void TestAddSubPlan::everyProblemAgreesWithRationalArithmetic_data() {
    QTest::addColumn<bool>("subtract");
    QTest::newRow("addition") << false;
    QTest::newRow("subtraction") << true;
}

void TestAddSubPlan::everyProblemAgreesWithRationalArithmetic() {
    QFETCH(bool, subtract);
    QElapsedTimer timer;
    timer.start();
    Failure failure;
    const DomainSweep sweep = sweepDomain([&](int n1, int d1, int n2, int d2) {
        const char *what = checkOne(subtract, n1, d1, n2, d2);
        if (what)
            failure.note(subtract, n1, d1, n2, d2, what);
        return what == nullptr;
    });
    const long checked = sweep.checked;
    qInfo("%ld problems checked in %lld ms", checked, timer.elapsed());
    QVERIFY2(failure.count == 0, qPrintable(failure.first));
    QCOMPARE(checked, (99L * 99 * 99 * 99 + kStride - 1) / kStride);
}

QTEST_APPLESS_MAIN(TestAddSubPlan)
#include "test_addsub_plan.moc"
