// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The integer routines of the shared core: CalcolaMCD and CalcolaMcm.

#include "arithmetic.h"

#include <QTest>

class TestArithmetic : public QObject {
    Q_OBJECT
  private slots:
    void greatestCommonDivisor_data() {
        QTest::addColumn<long>("a");
        QTest::addColumn<long>("b");
        QTest::addColumn<long>("mcd");
        QTest::addColumn<long>("aAfter");
        QTest::addColumn<long>("bAfter");
        QTest::newRow("12,18") << 12L << 18L << 6L << 12L << 6L;
        QTest::newRow("18,12 one pass fewer") << 18L << 12L << 6L << 12L << 6L;
        QTest::newRow("zero numerator gives denominator") << 0L << 7L << 7L << 0L << 7L;
        QTest::newRow("signs dropped") << -8L << 12L << 4L << 8L << 4L;
        QTest::newRow("equal") << 5L << 5L << 5L << 5L << 5L;
        QTest::newRow("coprime") << 1L << 9L << 1L << 9L << 1L;
        QTest::newRow("larger numbers") << 96L << 99L << 3L << 96L << 3L;
    }
    void greatestCommonDivisor() {
        QFETCH(long, a);
        QFETCH(long, b);
        long x = a, y = b;
        const long MCD = CalcolaMCD(x, y);
        QTEST(MCD, "mcd");
        // The arguments are the loop's working variables and come back overwritten.
        QTEST(x, "aAfter");
        QTEST(y, "bAfter");
    }

    void zeroDivisorDoesNotTrap() {
        long a = 7, b = 0;
        QCOMPARE(CalcolaMCD(a, b), 0L);
        const long OpMcm1 = 7, OpMcm2 = 0;
        a = OpMcm1;
        b = OpMcm2;
        QCOMPARE(CalcolaMcm(a, b, OpMcm1, OpMcm2), 0L);
    }

    void leastCommonMultiple_data() {
        QTest::addColumn<long>("op1");
        QTest::addColumn<long>("op2");
        QTest::addColumn<long>("mcd");
        QTest::addColumn<long>("mcm");
        QTest::newRow("4,6") << 4L << 6L << 2L << 12L;
        QTest::newRow("3,5") << 3L << 5L << 1L << 15L;
        QTest::newRow("6,6") << 6L << 6L << 6L << 6L;
        QTest::newRow("1,7") << 1L << 7L << 1L << 7L;
        QTest::newRow("98,99") << 98L << 99L << 1L << 9702L;
    }
    void leastCommonMultiple() {
        QFETCH(long, op1);
        QFETCH(long, op2);
        long OpMcm1 = op1, OpMcm2 = op2;
        long a = op1, b = op2;
        const long mcm = CalcolaMcm(a, b, OpMcm1, OpMcm2);
        // MCD is left in b, as CalcolaMCD leaves it.
        QTEST(b, "mcd");
        QTEST(mcm, "mcm");
        QCOMPARE(mcmOf(op1, op2), mcm);
        // The operands are read, never changed.
        QCOMPARE(OpMcm1, op1);
        QCOMPARE(OpMcm2, op2);
    }
};

QTEST_APPLESS_MAIN(TestArithmetic)
#include "test_arithmetic.moc"
