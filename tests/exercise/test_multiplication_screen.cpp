// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The multiplication screens worked through like a pupil would.

#include "exercise_driver.h"
#include "product_plan.h"

#include <random>

Q_DECLARE_METATYPE(ProblemSource)

namespace {
const QString V = QStringLiteral("Semplifica in verticale");
const QString D = QStringLiteral("Semplifica in diagonale");
const QString C = QStringLiteral("Calcola");
const QString E = QStringLiteral("Esegui");

const QStringList kWorkBoxes = [] {
    QStringList names{"txtNum1", "txtDen1", "txtNum2", "txtDen2"};
    for (int k = 1; k <= 10; ++k)
        names << QStringLiteral("txtFraz(%1)").arg(k);
    return names;
}();

QStringList words(const QString &s) {
    return s.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// "1:2 4:5" -> the boxes in step order and what each expects.
QList<std::pair<int, int>> stepsOf(const QString &s) {
    QList<std::pair<int, int>> out;
    for (const QString &w : words(s))
        out.append({w.section(':', 0, 0).toInt(), w.section(':', 1, 1).toInt()});
    return out;
}
} // namespace

class TestMultiplicationScreen : public QObject {
    Q_OBJECT
  private slots:
    void pupilWorksThroughProblem_data();
    void pupilWorksThroughProblem();
    void wrongAnswersAreCountedAndEmptied_data();
    void wrongAnswersAreCountedAndEmptied();
    void repeatIsNotScored_data();
    void repeatIsNotScored();
    void solutionMidExerciseShowsTheWholeWorkedProduct();
    void enterWithNoCurrentStepLeavesTheScreenAlone();
    void screenAgreesWithThePlan();
};

void TestMultiplicationScreen::pupilWorksThroughProblem_data() {
    QTest::addColumn<ProblemSource>("source");
    QTest::addColumn<QList<int>>("operands");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("prompts"); // when each pair begins
    QTest::addColumn<QStringList>("greyed");  // everything crossed out by then
    QTest::addColumn<bool>("useEnter");
    const auto R = ProblemSource::Computer;
    const QString all = "txtNum1 txtDen1 txtNum2 txtDen2";
    QTest::newRow("1/2 x 3/5, nothing simplifies")
        << R << QList<int>{1, 2, 3, 5} << "9:3 10:10" << QStringList{E} << QStringList{""} << false;
    QTest::newRow("2/3 x 3/4") << R << QList<int>{2, 3, 3, 4} << "1:1 4:2 2:1 3:1 9:1 10:2"
                               << QStringList{D, D, C} << QStringList{"txtNum1 txtDen2", all, all}
                               << true;
    QTest::newRow("4/6 x 9/10") << R << QList<int>{4, 6, 9, 10}
                                << "1:2 2:3 5:1 4:5 6:1 3:3 9:3 10:5" << QStringList{V, D, D, C}
                                << QStringList{"txtNum1 txtDen1",
                                               "txtNum1 txtDen1 txtDen2 txtFraz(1)",
                                               all + " txtFraz(1) txtFraz(2)",
                                               all + " txtFraz(1) txtFraz(2)"}
                                << false;
    QTest::newRow("6/8 x 10/15, the longest")
        << R << QList<int>{6, 8, 10, 15} << "1:3 2:4 3:2 4:3 5:1 8:1 6:2 7:1 9:1 10:2"
        << QStringList{V, V, D, D, C}
        << QStringList{"txtNum1 txtDen1", all, all + " txtFraz(1) txtFraz(4)",
                       all + " txtFraz(1) txtFraz(2) txtFraz(3) txtFraz(4)",
                       all + " txtFraz(1) txtFraz(2) txtFraz(3) txtFraz(4)"}
        << true;
    QTest::newRow("5/5 x 7/7") << R << QList<int>{5, 5, 7, 7} << "1:1 2:1 3:1 4:1 9:1 10:1"
                               << QStringList{V, V, C} << QStringList{"txtNum1 txtDen1", all, all}
                               << false;
    QTest::newRow("7/1 x 1/7") << R << QList<int>{7, 1, 1, 7} << "1:1 4:1 9:1 10:1"
                               << QStringList{D, C}
                               << QStringList{"txtNum1 txtDen2", "txtNum1 txtDen2"} << false;
    QTest::newRow("3/4 x 8/9") << R << QList<int>{3, 4, 8, 9} << "1:1 4:3 2:1 3:2 9:2 10:3"
                               << QStringList{D, D, C} << QStringList{"txtNum1 txtDen2", all, all}
                               << true;
    QTest::newRow("12/25 x 10/9 typed")
        << ProblemSource::Pupil << QList<int>{12, 25, 10, 9} << "1:4 4:3 2:5 3:2 9:8 10:15"
        << QStringList{D, D, C} << QStringList{"txtNum1 txtDen2", all, all} << false;
}

void TestMultiplicationScreen::pupilWorksThroughProblem() {
    QFETCH(ProblemSource, source);
    QFETCH(QList<int>, operands);
    QFETCH(QString, steps);
    QFETCH(QStringList, prompts);
    QFETCH(QStringList, greyed);
    QFETCH(bool, useEnter);
    ExerciseDriver d;
    QVERIFY(d.startOn(Operation::Multiplication, source, operands));
    QCOMPARE(d.cues(), (QList<int>{CueClick, CueRight}));
    QCOMPARE(d.label("lblAvviate"), QStringLiteral(" 1"));
    QVERIFY(d.keypad()->isEnabled());
    QVERIFY(d.button("cmdSoluzione")->isEnabled());
    QCOMPARE(d.button("cmdRipeti")->isEnabled(), source == ProblemSource::Pupil);
    const auto plan = stepsOf(steps);
    for (int i = 0; i < plan.size(); ++i) {
        const auto [k, value] = plan[i];
        QCOMPARE(d.passo(), k);
        QCOMPARE(QApplication::focusWidget(), d.step(k));
        if (i % 2 == 0) {
            QCOMPARE(d.notice(), prompts[i / 2]);
            QCOMPARE(d.greyed(kWorkBoxes), words(greyed[i / 2]));
        }
        d.confirm(QString::number(value), useEnter);
        QCOMPARE(d.cues(), QList<int>{i + 1 == plan.size() ? CueCompleted : CueRight});
    }
    QCOMPARE(d.notice(), QStringLiteral("Missione compiuta"));
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 1"));
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 0"));
    QVERIFY(!d.keypad()->isEnabled());
    QVERIFY(!d.button("cmdSoluzione")->isEnabled());
    QVERIFY(d.button("cmdRipeti")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), d.button("cmdAvvio"));
    // The pupil's answers stay where they were written.
    QCOMPARE(d.step(plan.last().first)->text(), QString::number(plan.last().second));
}

void TestMultiplicationScreen::wrongAnswersAreCountedAndEmptied_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");
    QTest::newRow("wrong number") << "4" << false;
    QTest::newRow("a letter") << "a" << false;
    QTest::newRow("a sign") << "-3" << false;
    QTest::newRow("a decimal") << "3.0" << false;
    QTest::newRow("leading zero") << "03" << true;
    QTest::newRow("blanks around") << " 3 " << true;
}

// 1/2 x 3/5: box 9 expects 3 and the prompt reads "Esegui" until it is first checked.
void TestMultiplicationScreen::wrongAnswersAreCountedAndEmptied() {
    QFETCH(QString, typed);
    QFETCH(bool, right);
    ExerciseDriver d;
    QVERIFY(d.startOn(Operation::Multiplication, ProblemSource::Computer, {1, 2, 3, 5}));
    d.cues();
    QCOMPARE(d.notice(), E);
    d.keyboardType(typed);
    d.enter();
    QCOMPARE(d.notice(), right ? E : C);
    QCOMPARE(d.passo(), right ? 10 : 9);
    QCOMPARE(d.cues(), QList<int>{right ? CueRight : CueWrong});
    QCOMPARE(d.label("lblErrori"), right ? QStringLiteral(" 0") : QStringLiteral(" 1"));
    QCOMPARE(d.step(9)->text().isEmpty(), !right);
    QCOMPARE(QApplication::focusWidget(), d.step(right ? 10 : 9));
}

void TestMultiplicationScreen::repeatIsNotScored_data() {
    QTest::addColumn<ProblemSource>("source");
    QTest::newRow("frmMolt") << ProblemSource::Computer;
    QTest::newRow("frmMolt2") << ProblemSource::Pupil;
}

void TestMultiplicationScreen::repeatIsNotScored() {
    QFETCH(ProblemSource, source);
    ExerciseDriver d;
    QVERIFY(d.startOn(Operation::Multiplication, source, {2, 3, 3, 4}));
    for (int v : {1, 2, 1, 1, 1, 2})
        d.answer(v);
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 1"));
    d.cues();
    d.click("cmdRipeti");
    QCOMPARE(d.cues(), (QList<int>{CueClick, CueRight}));
    QCOMPARE(d.box("txtNum1")->text(), QStringLiteral("2"));
    QCOMPARE(d.box("txtDen2")->text(), QStringLiteral("4"));
    QCOMPARE(d.step(1)->text(), QString());
    QCOMPARE(d.passo(), 1);
    QCOMPARE(d.notice(), D);
    QCOMPARE(d.button("cmdRipeti")->isEnabled(), source == ProblemSource::Pupil);
    d.confirm("5"); // wrong, but a repeat counts nothing
    QCOMPARE(d.cues(), QList<int>{CueWrong});
    for (int v : {1, 2, 1, 1, 1, 2})
        d.answer(v);
    QCOMPARE(d.notice(), QStringLiteral("Missione compiuta"));
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 0"));
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 1"));
    QCOMPARE(d.label("lblAvviate"), QStringLiteral(" 1"));
}

void TestMultiplicationScreen::solutionMidExerciseShowsTheWholeWorkedProduct() {
    ExerciseDriver d;
    QVERIFY(d.startOn(Operation::Multiplication, ProblemSource::Computer, {4, 6, 9, 10}));
    d.answer(2);
    d.answer(3);
    d.answer(9); // a wrong answer on box 5
    d.cues();
    d.click("cmdSoluzione");
    QCOMPARE(d.cues(), QList<int>{CueRight});
    QCOMPARE(d.notice(), QStringLiteral("Fatto"));
    const QStringList shown{"2", "3", "3", "5", "1", "1", "", "", " 3", " 5"};
    for (int k = 1; k <= 10; ++k)
        QCOMPARE(d.step(k)->text(), shown[k - 1]);
    QCOMPARE(d.greyed(kWorkBoxes), words("txtNum1 txtDen1 txtNum2 txtDen2 txtFraz(1) txtFraz(2)"));
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 1"));
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 0"));
    QVERIFY(!d.keypad()->isEnabled());
    QVERIFY(!d.button("cmdSoluzione")->isEnabled());
    QVERIFY(d.button("cmdRipeti")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), d.button("cmdAvvio"));
}

// After a range change there is no current step: Enter in a box neither sounds nor counts.
void TestMultiplicationScreen::enterWithNoCurrentStepLeavesTheScreenAlone() {
    ExerciseDriver d;
    QVERIFY(d.startOn(Operation::Multiplication, ProblemSource::Computer, {1, 2, 3, 5}));
    d.clickOption("optDen3");
    QCOMPARE(d.passo(), 0);
    QVERIFY(!d.keypad()->isEnabled());
    QCOMPARE(d.box("txtNum1")->text(), QString());
    d.cues();
    QTest::mouseClick(d.step(9), Qt::LeftButton);
    d.keyboardType(QStringLiteral("3"));
    d.enter();
    QCOMPARE(d.cues(), QList<int>{});
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 0"));
    QCOMPARE(d.step(9)->text(), QStringLiteral("3"));
}

void TestMultiplicationScreen::screenAgreesWithThePlan() {
    std::mt19937 gen(20261209);
    std::uniform_int_distribution<int> pick(1, 99);
    ExerciseDriver d;
    QVERIFY(d.open(Operation::Multiplication));
    d.clickOption("optNum5");
    d.clickOption("optDen4");
    for (int i = 0; i < 60; ++i) {
        const int n1 = pick(gen), d1 = pick(gen), n2 = pick(gen), d2 = pick(gen);
        d.scriptProblem(n1, d1, n2, d2, 99, 99);
        d.click("cmdAvvio");
        const ProductPlan plan = planProduct(n1, d1, n2, d2);
        const QByteArray what =
            QStringLiteral("%1/%2 x %3/%4").arg(n1).arg(d1).arg(n2).arg(d2).toUtf8();
        for (int j = 0; j < plan.count; ++j) {
            const ProductStep st = plan.steps[j];
            QVERIFY2(d.passo() == st.box, what.constData());
            QVERIFY2(d.risposte()[st.box] == st.value, what.constData());
            d.answer(st.value);
        }
        QVERIFY2(d.notice() == QStringLiteral("Missione compiuta"), what.constData());
    }
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 0"));
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 60"));
}

QTEST_MAIN(TestMultiplicationScreen)
#include "test_multiplication_screen.moc"
