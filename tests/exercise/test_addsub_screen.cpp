// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The addition and subtraction screens worked through like a pupil would.

#include "addsub_plan.h"
#include "exercise_driver.h"

#include <random>

namespace {
const QString S = QStringLiteral("Semplifica in verticale");
const QString E = QStringLiteral("Esegui");
const QString C = QStringLiteral("Calcola");

const QStringList kAllBoxes = [] {
    QStringList names{"txtNum1", "txtDen1", "txtNum2", "txtDen2"};
    for (int k = 1; k <= 11; ++k)
        names << QStringLiteral("txtFraz(%1)").arg(k);
    return names;
}();

QStringList greyedBoxes(const ExerciseDriver &d) {
    QStringList out;
    for (const QString &n : kAllBoxes)
        if (!d.box(n)->isEnabled())
            out << n;
    return out;
}
} // namespace

class TestAddSubScreen : public QObject {
    Q_OBJECT
  private slots:
    void pupilWorksThroughProblem_data();
    void pupilWorksThroughProblem();
    void entryIsCheckedAsAWholeNumber_data();
    void entryIsCheckedAsAWholeNumber();
    void emptyEntryOnlyGivesTheFocusBack();
    void repeatIsNotScored();
    void solutionMidExerciseFillsEveryBoxAndCountsNothing();
    void enterActsOnlyWhileOkCanBeClicked();
    void enterOnAvvioStartsTheNextProblem();
    void focusRuleWaitsForTheAnswersOfTheStep();
    void focusOnAnotherBoxLeavesAnAskedStepThree();
    void screenAgreesWithThePlan();
};

void TestAddSubScreen::pupilWorksThroughProblem_data() {
    QTest::addColumn<bool>("subtract");
    QTest::addColumn<QList<int>>("operands");
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<QStringList>("greyed");
    QTest::addColumn<bool>("useEnter");

    QTest::newRow("2/4 + 1/6, the worked example")
        << false << QList<int>{2, 4, 1, 6} << QList<int>{1, 2, 5, 6, 7, 8, 9, 10, 11}
        << QList<int>{1, 2, 6, 3, 1, 4, 6, 2, 3} << QStringList{S, S, E, E, E, C, C, S, S}
        << QStringList{"txtNum1", "txtDen1", "txtFraz(8)", "txtFraz(9)"} << false;
    QTest::newRow("1/2 + 1/2") << false << QList<int>{1, 2, 1, 2}
                               << QList<int>{5, 6, 7, 8, 9, 10, 11}
                               << QList<int>{2, 1, 1, 2, 2, 1, 1}
                               << QStringList{E, E, E, C, C, S, S}
                               << QStringList{"txtFraz(8)", "txtFraz(9)"} << true;
    QTest::newRow("3/2 + 1/2 stays improper")
        << false << QList<int>{3, 2, 1, 2} << QList<int>{5, 6, 7, 8, 9, 10, 11}
        << QList<int>{2, 3, 1, 4, 2, 2, 1} << QStringList{E, E, E, C, C, S, S}
        << QStringList{"txtFraz(8)", "txtFraz(9)"} << false;
    QTest::newRow("2/4 + 3/6, both reducible")
        << false << QList<int>{2, 4, 3, 6} << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}
        << QList<int>{1, 2, 1, 2, 2, 1, 1, 2, 2, 1, 1}
        << QStringList{S, S, S, S, E, E, E, C, C, S, S}
        << QStringList{"txtNum1", "txtDen1", "txtNum2", "txtDen2", "txtFraz(8)", "txtFraz(9)"}
        << true;
    QTest::newRow("1/3 + 2/4, only the second reducible")
        << false << QList<int>{1, 3, 2, 4} << QList<int>{3, 4, 5, 6, 7, 8, 9}
        << QList<int>{1, 2, 6, 2, 3, 5, 6} << QStringList{S, S, E, E, E, C, C}
        << QStringList{"txtNum2", "txtDen2"} << false;
    QTest::newRow("3/1 + 2/1, denominators 1")
        << false << QList<int>{3, 1, 2, 1} << QList<int>{5, 6, 7, 8, 9} << QList<int>{1, 3, 2, 5, 1}
        << QStringList{E, E, E, C, C} << QStringList{} << true;
    QTest::newRow("3/5 - 3/5, equal fractions")
        << true << QList<int>{3, 5, 3, 5} << QList<int>{5, 6, 7, 8, 9} << QList<int>{5, 3, 3, 0, 5}
        << QStringList{E, E, E, C, C} << QStringList{} << false;
    QTest::newRow("3/4 - 1/4, difference reduced")
        << true << QList<int>{3, 4, 1, 4} << QList<int>{5, 6, 7, 8, 9, 10, 11}
        << QList<int>{4, 3, 1, 2, 4, 1, 2} << QStringList{E, E, E, C, C, S, S}
        << QStringList{"txtFraz(8)", "txtFraz(9)"} << true;
    QTest::newRow("5/6 - 1/4") << true << QList<int>{5, 6, 1, 4} << QList<int>{5, 6, 7, 8, 9}
                               << QList<int>{12, 10, 3, 7, 12} << QStringList{E, E, E, C, C}
                               << QStringList{} << false;
}

void TestAddSubScreen::pupilWorksThroughProblem() {
    QFETCH(bool, subtract);
    QFETCH(QList<int>, operands);
    QFETCH(QList<int>, steps);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, notices);
    QFETCH(QStringList, greyed);
    QFETCH(bool, useEnter);

    ExerciseDriver d;
    QVERIFY(d.open(subtract ? Operation::Subtraction : Operation::Addition));
    QCOMPARE(d.notice(), QStringLiteral("Premi Avvio per cominciare"));
    QVERIFY(!d.keypad()->isEnabled());
    d.cues();
    d.scriptProblem(operands[0], operands[1], operands[2], operands[3]);
    d.click("cmdAvvio");
    QCOMPARE(d.cues(), QList<int>{CueRight});
    QCOMPARE(d.box("txtNum1")->text(), QString::number(operands[0]));
    QCOMPARE(d.box("txtDen2")->text(), QString::number(operands[3]));
    QCOMPARE(d.label("lblAvviate"), QStringLiteral(" 1"));
    QVERIFY(d.keypad()->isEnabled());
    QVERIFY(d.button("cmdSoluzione")->isEnabled());
    QVERIFY(!d.button("cmdRipeti")->isEnabled());

    for (int i = 0; i < steps.size(); ++i) {
        const int k = steps[i];
        QCOMPARE(d.passo(), k);
        QCOMPARE(QApplication::focusWidget(), d.step(k));
        QCOMPARE(d.notice(), notices[i]);
        if (useEnter) {
            d.keypadType(QString::number(answers[i]));
            d.enter();
        } else {
            d.answer(answers[i]);
        }
        const bool last = i + 1 == steps.size();
        QList<int> expectedCues(QString::number(answers[i]).size(), CueClick);
        expectedCues << (last ? CueCompleted : CueRight);
        QCOMPARE(d.cues(), expectedCues);
    }
    QCOMPARE(d.notice(), QStringLiteral("Missione compiuta"));
    QCOMPARE(greyedBoxes(d), greyed);
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 1"));
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 0"));
    QVERIFY(!d.keypad()->isEnabled());
    QVERIFY(!d.button("cmdSoluzione")->isEnabled());
    QVERIFY(d.button("cmdRipeti")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), d.button("cmdAvvio"));
    // Every box the pupil was asked holds the answer given; the others stay empty.
    for (int k = 1; k <= 11; ++k) {
        const int at = steps.indexOf(k);
        QCOMPARE(d.step(k)->text(), at < 0 ? QString() : QString::number(answers[at]));
    }
}

// How a text reads as a number is entryValue's (test_entry_value); here, that the check
// compares what it reads, and treats a text that is no number as a wrong answer.
void TestAddSubScreen::entryIsCheckedAsAWholeNumber_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("the number, with a leading zero") << " 07" << true;
    QTest::newRow("another number") << "70" << false;
    QTest::newRow("no number") << "7a" << false;
}

void TestAddSubScreen::entryIsCheckedAsAWholeNumber() {
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    ExerciseDriver d;
    QVERIFY(d.startProblem(false, 3, 7, 4, 7)); // step 5 expects 7
    d.cues();
    QCOMPARE(d.passo(), 5);
    d.keyboardType(typed);
    d.enter();
    if (accepted) {
        QCOMPARE(d.passo(), 6);
        QCOMPARE(d.cues(), QList<int>{CueRight});
        QCOMPARE(d.label("lblErrori"), QStringLiteral(" 0"));
    } else {
        QCOMPARE(d.passo(), 5);
        QCOMPARE(d.cues(), QList<int>{CueWrong});
        QCOMPARE(d.label("lblErrori"), QStringLiteral(" 1"));
        QCOMPARE(d.step(5)->text(), QString());
        QCOMPARE(QApplication::focusWidget(), d.step(5));
    }
}

void TestAddSubScreen::emptyEntryOnlyGivesTheFocusBack() {
    ExerciseDriver d;
    QVERIFY(d.startProblem(false, 1, 2, 1, 3));
    d.cues();
    d.click("Cmd_invio");
    d.enter();
    QCOMPARE(d.passo(), 5);
    QCOMPARE(d.cues(), QList<int>{});
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 0"));
    QCOMPARE(QApplication::focusWidget(), d.step(5));
}

void TestAddSubScreen::repeatIsNotScored() {
    ExerciseDriver d;
    QVERIFY(d.startProblem(false, 1, 2, 1, 3));
    for (int a : {6, 3, 2, 5, 6})
        d.answer(a);
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 1"));
    d.cues();
    d.click("cmdRipeti");
    QCOMPARE(d.cues(), QList<int>{CueRight});
    QCOMPARE(d.box("txtNum1")->text(), QStringLiteral("1"));
    QCOMPARE(d.box("txtDen2")->text(), QStringLiteral("3"));
    QCOMPARE(d.step(5)->text(), QString());
    QCOMPARE(d.passo(), 5);
    QVERIFY(d.keypad()->isEnabled());
    QVERIFY(d.button("cmdSoluzione")->isEnabled());
    QVERIFY(!d.button("cmdRipeti")->isEnabled());

    d.answer(4); // wrong: 6 expected
    QCOMPARE(d.cues(), (QList<int>{CueClick, CueWrong}));
    QCOMPARE(d.step(5)->text(), QString());
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 0"));
    for (int a : {6, 3, 2, 5, 6})
        d.answer(a);
    QCOMPARE(d.notice(), QStringLiteral("Missione compiuta"));
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 1"));
    QCOMPARE(d.label("lblAvviate"), QStringLiteral(" 1"));

    // A new start is scored again.
    d.scriptProblem(1, 2, 1, 3);
    d.click("cmdAvvio");
    d.answer(4);
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 1"));
    QCOMPARE(d.label("lblAvviate"), QStringLiteral(" 2"));
}

void TestAddSubScreen::solutionMidExerciseFillsEveryBoxAndCountsNothing() {
    ExerciseDriver d;
    QVERIFY(d.startProblem(false, 2, 4, 1, 6));
    d.answer(1);
    d.answer(3); // wrong: one error before the solution
    d.cues();
    d.click("cmdSoluzione");
    QCOMPARE(d.cues(), QList<int>{CueRight});
    const QStringList expected{"1", "2", "", "", "6", " 3", " 1", "4", "6", "2", "3"};
    for (int k = 1; k <= 11; ++k)
        QCOMPARE(d.step(k)->text(), expected[k - 1]);
    QCOMPARE(greyedBoxes(d), (QStringList{"txtNum1", "txtDen1", "txtFraz(8)", "txtFraz(9)"}));
    QCOMPARE(d.notice(), QStringLiteral("Fatto"));
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 0"));
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 1"));
    QVERIFY(!d.keypad()->isEnabled());
    QVERIFY(!d.button("cmdSoluzione")->isEnabled());
    QVERIFY(d.button("cmdRipeti")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), d.button("cmdAvvio"));
}

// Enter is "OK" while OK can be clicked, and does nothing otherwise: it must never walk
// through the boxes of a shown solution or count an exercise twice.
void TestAddSubScreen::enterActsOnlyWhileOkCanBeClicked() {
    ExerciseDriver d;
    QVERIFY(d.open(Operation::Addition));
    d.cues();
    d.enter(); // before the first start
    QCOMPARE(d.passo(), 1);
    QCOMPARE(d.cues(), QList<int>{});
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 0"));

    d.scriptProblem(1, 2, 1, 2);
    d.click("cmdAvvio");
    for (int a : {2, 1, 1, 2, 2, 1, 1})
        d.answer(a);
    QCOMPARE(d.passo(), 12);
    d.cues();
    d.step(11)->setFocus();
    d.enter(); // finished: not even the box just answered is checked again
    QCOMPARE(d.passo(), 12);
    QCOMPARE(d.cues(), QList<int>{});
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 1"));

    d.scriptProblem(1, 2, 1, 2);
    d.click("cmdAvvio");
    d.click("cmdSoluzione");
    d.cues();
    const int shownAt = d.passo();
    d.step(5)->setFocus();
    for (int i = 0; i < 8; ++i)
        d.enter();
    QCOMPARE(d.passo(), shownAt);
    for (int k = 5; k <= 11; ++k)
        QVERIFY(!d.step(k)->text().isEmpty());
    QCOMPARE(d.cues(), QList<int>{});
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 1"));
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 0"));
}

// A finished exercise leaves the focus on "Avvio": Enter, like Space, presses it and the
// next problem starts, with nothing counted for the one just done.
void TestAddSubScreen::enterOnAvvioStartsTheNextProblem() {
    ExerciseDriver d;
    QVERIFY(d.startProblem(false, 1, 2, 1, 2));
    for (int a : {2, 1, 1, 2, 2, 1, 1})
        d.answer(a);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdAvvio"));
    d.cues();
    d.scriptProblem(2, 4, 1, 6);
    d.enter();
    QCOMPARE(d.passo(), 1);
    QCOMPARE(d.cues(), QList<int>{105});
    QCOMPARE(d.label("lblAvviate"), QStringLiteral(" 2"));
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 1"));
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 0"));
}

// Giving box 3 the focus comes before its answer is stored; the focus rule must see the
// stored answer, not the 0 of a fresh program.
void TestAddSubScreen::focusRuleWaitsForTheAnswersOfTheStep() {
    ExerciseDriver d;
    QVERIFY(d.startProblem(false, 1, 3, 2, 4));
    QCOMPARE(d.passo(), 3);
    QCOMPARE(QApplication::focusWidget(), d.step(3));
    QCOMPARE(d.risposte()[3], int16_t(1));
}

// With an answer for step 3 stored, a click on another box changes nothing.
void TestAddSubScreen::focusOnAnotherBoxLeavesAnAskedStepThree() {
    ExerciseDriver e;
    QVERIFY(e.startProblem(false, 3, 7, 4, 14));
    QTest::mouseClick(e.step(9), Qt::LeftButton);
    e.settle();
    QCOMPARE(e.passo(), 3);
    QCOMPARE(QApplication::focusWidget(), e.step(9));
}

// The screen asks exactly the steps of the plan, in its order, with its answers.
void TestAddSubScreen::screenAgreesWithThePlan() {
    std::mt19937 gen(20261208);
    std::uniform_int_distribution<int> pick(1, 99);
    for (const bool subtract : {false, true}) {
        ExerciseDriver d;
        QVERIFY(d.open(subtract ? Operation::Subtraction : Operation::Addition));
        d.clickOption("optNum5");
        d.clickOption("optDen4");
        for (int i = 0; i < 60; ++i) {
            int n1 = pick(gen), d1 = pick(gen), n2 = pick(gen), d2 = pick(gen);
            if (subtract && n1 * d2 < n2 * d1) {
                std::swap(n1, n2);
                std::swap(d1, d2);
            }
            d.scriptProblem(n1, d1, n2, d2, 99, 99);
            d.click("cmdAvvio");
            const AddSubPlan plan = planAddSub(subtract, n1, d1, n2, d2);
            const QByteArray what = QStringLiteral("%1/%2 %3 %4/%5")
                                        .arg(n1)
                                        .arg(d1)
                                        .arg(subtract ? '-' : '+')
                                        .arg(n2)
                                        .arg(d2)
                                        .toUtf8();
            for (int j = 0; j < plan.count; ++j) {
                const int k = plan.order[j];
                QVERIFY2(d.passo() == k, what.constData());
                QVERIFY2(d.risposte()[k] == plan.answer[k], what.constData());
                QVERIFY2(d.notice() == QString::fromLatin1(addSubNotice(k)), what.constData());
                d.answer(plan.answer[k]);
            }
            QVERIFY2(d.notice() == QStringLiteral("Missione compiuta"), what.constData());
        }
        QCOMPARE(d.label("lblErrori"), QStringLiteral(" 0"));
        QCOMPARE(d.label("lblFatte"), QStringLiteral(" 60"));
    }
}

QTEST_MAIN(TestAddSubScreen)
#include "test_addsub_screen.moc"
