// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// Random problems: the draw, the range options and the subtraction redraw.

#include "exercise_driver.h"
#include "range_options.h"

#include <cmath>
#include <set>

namespace {
// The ranges the screen's options set, which its draws read.
const DrawRanges &rangesOf(const ExerciseDriver &d) {
    return d.screen->findChild<RangeOptions *>()->ranges();
}
} // namespace

class TestRandomProblems : public QObject {
    Q_OBJECT
  private slots:
    void drawStaysWithinItsBounds_data();
    void drawStaysWithinItsBounds();
    void tightLoopOfRealDrawsLooksUniform_data();
    void tightLoopOfRealDrawsLooksUniform();
    void screenLoadsWithTwentyFive();
    void rangeOptionSetsBoundsAndAbandonsTheExercise_data();
    void rangeOptionSetsBoundsAndAbandonsTheExercise();
    void subtractionRedrawsUntilTheDifferenceIsNotNegative();
    void subtractionWithUnitNumeratorsKeepsDenominatorsOrdered();
};

void TestRandomProblems::drawStaysWithinItsBounds_data() {
    QTest::addColumn<int>("max");
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("expected");
    const double belowOne = std::nextafter(1.0, 0.0);
    for (int max : {1, 10, 25, 50, 99}) {
        QTest::addRow("1..%d, r = 0", max) << max << 0.0 << 1;
        QTest::addRow("1..%d, r just below 1", max) << max << belowOne << max;
    }
    QTest::addRow("1..99, r = 0.99") << 99 << 0.99 << 99;
    QTest::addRow("1..99, r = 98/99") << 99 << 98.0 / 99.0 << 99;
}

void TestRandomProblems::drawStaysWithinItsBounds() {
    QFETCH(int, max);
    QFETCH(double, r);
    QFETCH(int, expected);
    QCOMPARE(drawInRange(1, max, r), expected);
}

void TestRandomProblems::tightLoopOfRealDrawsLooksUniform_data() {
    QTest::addColumn<int>("numMax");
    QTest::addColumn<int>("denMax");
    QTest::newRow("fino a 25, fino a 25") << 25 << 25;
    QTest::newRow("fino a 100, fino a 100") << 99 << 99;
    QTest::newRow("= 1, fino a 10") << 1 << 10;
}

// Two draws of one problem follow each other within a clock tick; a generator restarted
// from the clock alone would make the two fractions equal almost every time.
void TestRandomProblems::tightLoopOfRealDrawsLooksUniform() {
    QFETCH(int, numMax);
    QFETCH(int, denMax);
    ClockRandomSource random;
    DrawRanges s;
    s.NumMax = numMax;
    s.DenMax = denMax;
    constexpr int kProblems = 10000;
    int equalPairs = 0;
    std::set<int> nums, dens;
    for (int i = 0; i < kProblems; ++i) {
        const DrawnFraction first = Casuali(s, random);
        const int n1 = first.NumCasuale, d1 = first.DenCasuale;
        const DrawnFraction second = Casuali(s, random);
        const int n2 = second.NumCasuale, d2 = second.DenCasuale;
        equalPairs += (n1 == n2 && d1 == d2) ? 1 : 0;
        nums.insert({n1, n2});
        dens.insert({d1, d2});
    }
    // Every value of both ranges comes up, the ends included, and nothing beyond them.
    QCOMPARE(int(nums.size()), numMax);
    QCOMPARE(*nums.begin(), 1);
    QCOMPARE(*nums.rbegin(), numMax);
    QCOMPARE(int(dens.size()), denMax);
    QCOMPARE(*dens.begin(), 1);
    QCOMPARE(*dens.rbegin(), denMax);
    // Equal pairs no more often than chance allows (mean plus six standard deviations).
    const double p = 1.0 / (double(numMax) * denMax);
    const double mean = kProblems * p;
    const double limit = mean + 6 * std::sqrt(kProblems * p * (1 - p)) + 1;
    QVERIFY2(equalPairs <= limit,
             qPrintable(QStringLiteral("%1 equal pairs, %2 expected").arg(equalPairs).arg(mean)));
}

void TestRandomProblems::screenLoadsWithTwentyFive() {
    ExerciseDriver d;
    QVERIFY(d.open(Operation::Addition));
    // Selecting the two defaults counts as clicking them.
    QCOMPARE(d.cues(), (QList<int>{CueClick, CueClick}));
    QVERIFY(d.screen->findChild<QRadioButton *>("optNum3")->isChecked());
    QVERIFY(d.screen->findChild<QRadioButton *>("optDen2")->isChecked());
    const DrawRanges &s = rangesOf(d);
    QCOMPARE(s.NumMax, 25);
    QCOMPARE(s.DenMax, 25);
    QVERIFY(!d.keypad()->isEnabled());
    QVERIFY(!d.button("cmdSoluzione")->isEnabled());
    QVERIFY(!d.button("cmdRipeti")->isEnabled());
    QCOMPARE(d.passo(), 1);
    for (const char *name : {"lblAvviate", "lblFatte", "lblErrori"})
        QCOMPARE(d.label(name), QStringLiteral(" 0"));
    QCOMPARE(d.program.random.reseeds, 0); // nothing drawn before Avvio
}

void TestRandomProblems::rangeOptionSetsBoundsAndAbandonsTheExercise_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("numerator");
    QTest::addColumn<int>("max");
    QTest::newRow("optNum1") << "optNum1"
                             << "= 1" << true << 1;
    QTest::newRow("optNum2") << "optNum2"
                             << "fino a 10" << true << 10;
    QTest::newRow("optNum4") << "optNum4"
                             << "fino a 50" << true << 50;
    QTest::newRow("optNum5") << "optNum5"
                             << "fino a 100" << true << 99;
    QTest::newRow("optDen1") << "optDen1"
                             << "fino a 10" << false << 10;
    QTest::newRow("optDen3") << "optDen3"
                             << "fino a 50" << false << 50;
    QTest::newRow("optDen4") << "optDen4"
                             << "fino a 100" << false << 99;
}

void TestRandomProblems::rangeOptionSetsBoundsAndAbandonsTheExercise() {
    QFETCH(QString, option);
    QFETCH(QString, caption);
    QFETCH(bool, numerator);
    QFETCH(int, max);
    ExerciseDriver d;
    QVERIFY(d.startProblem(false, 2, 4, 1, 6));
    d.answer(5); // one error
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 1"));
    d.cues();
    QCOMPARE(d.screen->findChild<QRadioButton *>(option)->text(), caption);
    d.clickOption(option);
    QCOMPARE(d.cues(), QList<int>{CueClick});
    const DrawRanges &s = rangesOf(d);
    QCOMPARE(numerator ? s.NumMax : s.DenMax, max);
    QCOMPARE(numerator ? s.DenMax : s.NumMax, 25);
    for (const char *name : {"txtNum1", "txtDen1", "txtNum2", "txtDen2"}) {
        QCOMPARE(d.box(name)->text(), QString());
        QVERIFY(d.box(name)->isEnabled());
    }
    QVERIFY(!d.keypad()->isEnabled());
    QVERIFY(!d.button("cmdSoluzione")->isEnabled());
    QVERIFY(!d.button("cmdRipeti")->isEnabled());
    QCOMPARE(d.label("lblAvviate"), QStringLiteral(" 1"));
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 0"));
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 1"));
}

void TestRandomProblems::subtractionRedrawsUntilTheDifferenceIsNotNegative() {
    ExerciseDriver d;
    QVERIFY(d.open(Operation::Subtraction));
    d.scriptProblem(1, 3, 1, 2); // 1/3 < 1/2: drawn again
    d.scriptProblem(2, 6, 1, 3); // equal: accepted
    d.scriptProblem(9, 9, 9, 9); // never reached
    d.click("cmdAvvio");
    QCOMPARE(d.program.random.reseeds, 4); // one reseed per fraction drawn
    QCOMPARE(d.box("txtNum1")->text(), QStringLiteral("2"));
    QCOMPARE(d.box("txtDen1")->text(), QStringLiteral("6"));
    QCOMPARE(d.box("txtNum2")->text(), QStringLiteral("1"));
    QCOMPARE(d.box("txtDen2")->text(), QStringLiteral("3"));
    QCOMPARE(d.label("lblAvviate"), QStringLiteral(" 1"));
    QCOMPARE(d.passo(), 1);
}

void TestRandomProblems::subtractionWithUnitNumeratorsKeepsDenominatorsOrdered() {
    ExerciseDriver d;
    ClockRandomSource real;
    d.program.ctx.random = &real;
    QVERIFY(d.open(Operation::Subtraction));
    d.clickOption("optNum1");
    d.clickOption("optDen1");
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) {
        d.click("cmdAvvio");
        const Problem &s = d.problem();
        QCOMPARE(s.Num1, 1);
        QCOMPARE(s.Num2, 1);
        QVERIFY2(s.Den1 <= s.Den2,
                 qPrintable(QStringLiteral("1/%1 - 1/%2").arg(s.Den1).arg(s.Den2)));
        QVERIFY(s.Den2 <= 10);
        seen.insert(s.Den1);
    }
    QVERIFY(seen.size() > 5); // the problems vary
    QCOMPARE(d.label("lblAvviate"), QStringLiteral(" 200"));
}

QTEST_MAIN(TestRandomProblems)
#include "test_random_problems.moc"
