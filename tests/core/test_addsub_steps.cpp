// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The written addition and subtraction as the program plans it, without a widget: checked
// on worked problems, and on every problem against the tests' own plan (tests/reference).

#include "addsub_plan.h"
#include "addsub_steps.h"
#include "domain_stride.h"

#include <QTest>

Q_DECLARE_METATYPE(Operation)

namespace {
// The steps the plan asks, in order, as the screen walks them: the first, then the one
// after each right answer until the exercise is complete. At most 11; more means a loop.
struct Walk {
    std::array<int, 12> step{};
    int count = 0;
};

Walk walk(const AddSubSteps &s) {
    Walk w;
    for (int k = firstAddSubStep(s); k != 0 && w.count < 12; k = addSubStepAfter(s, k))
        w.step[w.count++] = k;
    return w;
}

QString words(const QList<int> &values) {
    QStringList out;
    for (int v : values)
        out << QString::number(v);
    return out.join(QLatin1Char(' '));
}
} // namespace

class TestAddSubSteps : public QObject {
    Q_OBJECT
  private slots:
    void negativeDifferenceIsNeverAsked_data() {
        QTest::addColumn<Operation>("op");
        QTest::addColumn<QList<int>>("terms");
        QTest::addColumn<bool>("negative");
        const auto sub = Operation::Subtraction;
        QTest::newRow("smaller first") << sub << QList<int>{1, 3, 1, 2} << true;
        QTest::newRow("equal") << sub << QList<int>{1, 2, 1, 2} << false;
        QTest::newRow("equal in other terms") << sub << QList<int>{2, 4, 1, 2} << false;
        QTest::newRow("larger first") << sub << QList<int>{3, 4, 2, 3} << false;
        QTest::newRow("close values") << sub << QList<int>{33, 97, 34, 99} << true;
        QTest::newRow("close values other way") << sub << QList<int>{34, 99, 33, 97} << false;
        QTest::newRow("improper against proper") << sub << QList<int>{99, 98, 98, 99} << false;
        QTest::newRow("an addition never")
            << Operation::Addition << QList<int>{1, 3, 1, 2} << false;
        QTest::newRow("a product never")
            << Operation::Multiplication << QList<int>{1, 3, 1, 2} << false;
    }
    void negativeDifferenceIsNeverAsked() {
        QFETCH(Operation, op);
        QFETCH(QList<int>, terms);
        QTEST(differenceIsNegative({op, terms[0], terms[1], terms[2], terms[3]}), "negative");
    }

    // Problems worked by hand: the steps asked, in order, and what each expects.
    void workedProblems_data() {
        QTest::addColumn<Operation>("op");
        QTest::addColumn<QList<int>>("terms");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("answers");
        const auto add = Operation::Addition, sub = Operation::Subtraction;
        QTest::newRow("2/4 + 1/6") << add << QList<int>{2, 4, 1, 6} << "1 2 5 6 7 8 9 10 11"
                                   << "1 2 6 3 1 4 6 2 3";
        QTest::newRow("2/4 + 3/6: both reduced")
            << add << QList<int>{2, 4, 3, 6} << "1 2 3 4 5 6 7 8 9 10 11"
            << "1 2 1 2 2 1 1 2 2 1 1";
        QTest::newRow("1/3 + 2/4: only the second reduced")
            << add << QList<int>{1, 3, 2, 4} << "3 4 5 6 7 8 9"
            << "1 2 6 2 3 5 6";
        QTest::newRow("3/1 + 4/1: nothing to reduce")
            << add << QList<int>{3, 1, 4, 1} << "5 6 7 8 9"
            << "1 3 4 7 1";
        QTest::newRow("1/2 - 1/2: zero is never reduced")
            << sub << QList<int>{1, 2, 1, 2} << "5 6 7 8 9"
            << "2 1 1 0 2";
    }
    void workedProblems() {
        QFETCH(Operation, op);
        QFETCH(QList<int>, terms);
        const AddSubSteps s = addSubSteps({op, terms[0], terms[1], terms[2], terms[3]});
        const Walk w = walk(s);
        QList<int> steps, answers;
        for (int i = 0; i < w.count; ++i) {
            steps << w.step[i];
            answers << s.Risposte[w.step[i]];
        }
        QTEST(words(steps), "steps");
        QTEST(words(answers), "answers");
    }

    void focusRuleMovesOnOnlyFromAnEmptyStepThree_data() {
        QTest::addColumn<int>("passo");
        QTest::addColumn<int>("risposta3");
        QTest::addColumn<int>("after");
        QTest::newRow("step 3, nothing to ask") << 3 << 0 << 5;
        QTest::newRow("step 3 asked") << 3 << 2 << 3;
        QTest::newRow("step 1, step 3 empty") << 1 << 0 << 1;
        QTest::newRow("step 5, step 3 empty") << 5 << 0 << 5;
        QTest::newRow("no step") << 0 << 0 << 0;
    }
    void focusRuleMovesOnOnlyFromAnEmptyStepThree() {
        QFETCH(int, passo);
        QFETCH(int, risposta3);
        AddSubSteps s;
        s.Risposte[3] = int16_t(risposta3);
        QTEST(addSubStepOnFocus(s, passo), "after");
    }

    void everyProblemAgreesWithTheReference_data() {
        QTest::addColumn<Operation>("op");
        QTest::newRow("additions") << Operation::Addition;
        QTest::newRow("subtractions") << Operation::Subtraction;
    }
    // The same steps in the same order, with the same answers, as the tests' own plan, on
    // every problem that plan is checked on.
    void everyProblemAgreesWithTheReference() {
        QFETCH(Operation, op);
        const bool subtract = op == Operation::Subtraction;
        const DomainSweep sweep = sweepDomain([&](int n1, int d1, int n2, int d2) {
            const AddSubSteps s = addSubSteps({op, n1, d1, n2, d2});
            const AddSubPlan plan = planAddSub(subtract, n1, d1, n2, d2);
            const Walk w = walk(s);
            bool same = w.count == plan.count;
            for (int i = 0; same && i < w.count; ++i)
                same =
                    w.step[i] == plan.order[i] && s.Risposte[w.step[i]] == plan.answer[w.step[i]];
            return same;
        });
        QVERIFY2(sweep.differing == 0, qPrintable(sweep.report()));
        QVERIFY(sweep.wholeDomain());
    }
};

QTEST_APPLESS_MAIN(TestAddSubSteps)
#include "test_addsub_steps.moc"
