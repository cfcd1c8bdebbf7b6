// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The division screens worked through like a pupil would: the rewrite as a product by the
// reciprocal, then the product.

#include "exercise_driver.h"
#include "product_plan.h"

#include <random>

Q_DECLARE_METATYPE(ProblemSource)

namespace {
const char *const kRewrite[] = {"txtNum1", "txtDen1", "txtNum2", "txtDen2"};

struct Pupil : ExerciseDriver {
    QLineEdit *rewrite(int campo) const { return box(QLatin1String(kRewrite[campo - 1])); }
    QStringList given() const {
        QStringList out;
        for (int k = 1; k <= 4; ++k)
            out << box(QStringLiteral("txtNumDiv(%1)").arg(k))->text();
        return out;
    }
    QStringList rewritten() const {
        QStringList out;
        for (int campo = 1; campo <= 4; ++campo)
            out << rewrite(campo)->text();
        return out;
    }
    // Works the whole division with right answers from the plan.
    void solve(const QList<int> &o) {
        const DivisionPlan plan = planDivision(o[0], o[1], o[2], o[3]);
        for (int campo = 1; campo <= 4; ++campo)
            answer(plan.rewrite[campo]);
        for (int j = 0; j < plan.product.count; ++j)
            answer(plan.product.steps[j].value);
    }
};

QStringList numbers(const QList<int> &v) {
    QStringList out;
    for (int x : v)
        out << QString::number(x);
    return out;
}
} // namespace

class TestDivisionScreen : public QObject {
    Q_OBJECT
  private slots:
    void pupilRewritesThenMultiplies_data();
    void pupilRewritesThenMultiplies();
    void rewriteEntriesAreCheckedAsWholeNumbers_data();
    void rewriteEntriesAreCheckedAsWholeNumbers();
    void solutionDuringTheRewriteShowsTheRewrittenProduct();
    void repeatDuringTheProductRewritesTheSameDivisionUnscored();
    void rangeChangeWipesTheGivenRow();
    void typedDivisionRepeatsAfterCompletion();
    void typedProblemAfterAnUnfinishedRepeatIsANewExercise();
    void screenAgreesWithThePlan();
};

void TestDivisionScreen::pupilRewritesThenMultiplies_data() {
    QTest::addColumn<ProblemSource>("source");
    QTest::addColumn<QList<int>>("operands");
    QTest::addColumn<QList<int>>("rewrite");
    QTest::addColumn<QList<int>>("boxes");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QString>("firstPrompt");
    const auto R = ProblemSource::Computer;
    const QString D = QStringLiteral("Semplifica in diagonale");
    const QString V = QStringLiteral("Semplifica in verticale");
    QTest::newRow("4/9 : 2/3") << R << QList<int>{4, 9, 2, 3} << QList<int>{4, 9, 3, 2}
                               << QList<int>{1, 4, 2, 3, 9, 10} << QList<int>{2, 1, 3, 1, 2, 3}
                               << D;
    QTest::newRow("1/2 : 3/5") << R << QList<int>{1, 2, 3, 5} << QList<int>{1, 2, 5, 3}
                               << QList<int>{9, 10} << QList<int>{5, 6} << "Esegui";
    QTest::newRow("6/8 : 9/12, the longest")
        << R << QList<int>{6, 8, 9, 12} << QList<int>{6, 8, 12, 9}
        << QList<int>{1, 2, 3, 4, 5, 8, 6, 7, 9, 10} << QList<int>{3, 4, 4, 3, 1, 1, 1, 1, 1, 1}
        << V;
    QTest::newRow("3/4 : 3/4") << R << QList<int>{3, 4, 3, 4} << QList<int>{3, 4, 4, 3}
                               << QList<int>{1, 4, 2, 3, 9, 10} << QList<int>{1, 1, 1, 1, 1, 1}
                               << D;
    QTest::newRow("5/1 : 1/1") << R << QList<int>{5, 1, 1, 1} << QList<int>{5, 1, 1, 1}
                               << QList<int>{9, 10} << QList<int>{5, 1} << "Esegui";
    QTest::newRow("3/4 : 5/8 typed")
        << ProblemSource::Pupil << QList<int>{3, 4, 5, 8} << QList<int>{3, 4, 8, 5}
        << QList<int>{2, 3, 9, 10} << QList<int>{1, 2, 6, 5} << D;
}

void TestDivisionScreen::pupilRewritesThenMultiplies() {
    QFETCH(ProblemSource, source);
    QFETCH(QList<int>, operands);
    QFETCH(QList<int>, rewrite);
    QFETCH(QList<int>, boxes);
    QFETCH(QList<int>, values);
    QFETCH(QString, firstPrompt);
    Pupil d;
    QVERIFY(d.startOn(Operation::Division, source, operands));
    QCOMPARE(d.cues(), QList<int>{CueRight});
    QCOMPARE(d.given(), numbers(operands));
    QCOMPARE(d.rewritten(), (QStringList{"", "", "", ""}));
    QCOMPARE(d.label("lblAvviate"), QStringLiteral(" 1"));
    QVERIFY(!d.button("cmdRipeti")->isEnabled());
    for (int campo = 1; campo <= 4; ++campo) {
        QCOMPARE(d.notice(), QStringLiteral("Esegui"));
        QCOMPARE(d.rewriteState().CampoDiv, campo);
        QCOMPARE(QApplication::focusWidget(), d.rewrite(campo));
        d.confirm(QString::number(rewrite[campo - 1]), campo % 2 == 0);
        // The fourth right answer sounds twice: its own cue and the solution routine's.
        const QList<int> heard = campo < 4 ? QList<int>{CueRight} : QList<int>{CueRight, CueRight};
        QCOMPARE(d.cues(), heard);
    }
    QCOMPARE(d.rewriteState().FaseReciproco, false);
    QCOMPARE(d.notice(), firstPrompt);
    QVERIFY(d.button("cmdRipeti")->isEnabled());
    QVERIFY(d.button("cmdSoluzione")->isEnabled());
    for (int i = 0; i < boxes.size(); ++i) {
        QCOMPARE(d.passo(), boxes[i]);
        QCOMPARE(QApplication::focusWidget(), d.step(boxes[i]));
        d.confirm(QString::number(values[i]), i % 2 == 1);
        QCOMPARE(d.cues(), QList<int>{i + 1 == boxes.size() ? CueCompleted : CueRight});
    }
    QCOMPARE(d.notice(), QStringLiteral("Missione compiuta"));
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 1"));
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 0"));
    QCOMPARE(QApplication::focusWidget(), d.button("cmdStartDiv"));
    QVERIFY(!d.keypad()->isEnabled());
    QCOMPARE(d.given(), numbers(operands)); // the division as posed stays on its row
}

void TestDivisionScreen::rewriteEntriesAreCheckedAsWholeNumbers_data() {
    QTest::addColumn<int>("campo");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");
    // 2/5 : 3/7 is rewritten 2/5 x 7/3.
    QTest::newRow("R3 expects the divisor's denominator") << 3 << "7" << true;
    QTest::newRow("R3 copied unchanged") << 3 << "3" << false;
    QTest::newRow("R4 expects the divisor's numerator") << 4 << "3" << true;
    QTest::newRow("leading zero") << 2 << "05" << true;
    QTest::newRow("no number") << 1 << "x" << false;
}

void TestDivisionScreen::rewriteEntriesAreCheckedAsWholeNumbers() {
    QFETCH(int, campo);
    QFETCH(QString, typed);
    QFETCH(bool, right);
    Pupil d;
    QVERIFY(d.startOn(Operation::Division, ProblemSource::Computer, {2, 5, 3, 7}));
    const int before[] = {0, 2, 5, 7, 3};
    for (int c = 1; c < campo; ++c)
        d.answer(before[c]);
    d.cues();
    d.keyboardType(typed);
    d.enter();
    QCOMPARE(d.cues().first(), right ? CueRight : CueWrong);
    QCOMPARE(d.label("lblErrori"), right ? QStringLiteral(" 0") : QStringLiteral(" 1"));
    QCOMPARE(d.rewrite(campo)->text().isEmpty(), !right);
    QCOMPARE(d.rewriteState().CampoDiv, right ? (campo == 4 ? 0 : campo + 1) : campo);
}

// The boxes 1, 4, 2, 3, 9, 10 of 4/9 x 3/2 hold 2, 1, 3, 1, 2, 3.
void TestDivisionScreen::solutionDuringTheRewriteShowsTheRewrittenProduct() {
    Pupil d;
    QVERIFY(d.startOn(Operation::Division, ProblemSource::Computer, {4, 9, 2, 3}));
    d.answer(4);
    d.answer(9);
    d.cues();
    d.click("cmdSoluzione");
    QCOMPARE(d.cues(), QList<int>{CueRight});
    QCOMPARE(d.notice(), QStringLiteral("Fatto"));
    QCOMPARE(d.rewritten(), (QStringList{"4", "9", "3", "2"}));
    const QStringList shown{"2", "3", "1", "1", "", "", "", "", " 2", " 3"};
    for (int k = 1; k <= 10; ++k)
        QCOMPARE(d.step(k)->text(), shown[k - 1]);
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 0"));
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 0"));
    QVERIFY(!d.keypad()->isEnabled());
    // The rewrite is not walked on from its filled boxes to a counted completion.
    QTest::mouseClick(d.step(5), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), d.step(5));
    d.enter();
    QCOMPARE(d.cues(), QList<int>{});
    QCOMPARE(d.rewriteState().CampoDiv, 3);
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 0"));
}

void TestDivisionScreen::repeatDuringTheProductRewritesTheSameDivisionUnscored() {
    Pupil d;
    QVERIFY(d.startOn(Operation::Division, ProblemSource::Computer, {4, 9, 2, 3}));
    for (int v : {4, 9, 3, 2, 2})
        d.answer(v);
    d.cues();
    d.click("cmdRipeti");
    QCOMPARE(d.cues(), (QList<int>{CueClick, CueRight}));
    QCOMPARE(d.given(), (QStringList{"4", "9", "2", "3"}));
    QCOMPARE(d.rewritten(), (QStringList{"", "", "", ""}));
    QCOMPARE(d.step(1)->text(), QString());
    QCOMPARE(QApplication::focusWidget(), d.rewrite(1));
    QCOMPARE(d.rewriteState().FaseReciproco, true);
    QVERIFY(!d.button("cmdRipeti")->isEnabled());
    d.confirm("2"); // wrong, unscored
    QCOMPARE(d.cues(), QList<int>{CueWrong});
    d.solve({4, 9, 2, 3});
    QCOMPARE(d.notice(), QStringLiteral("Missione compiuta"));
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 0"));
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 0"));
    QCOMPARE(d.label("lblAvviate"), QStringLiteral(" 1"));
}

void TestDivisionScreen::rangeChangeWipesTheGivenRow() {
    Pupil d;
    QVERIFY(d.startOn(Operation::Division, ProblemSource::Computer, {4, 9, 2, 3}));
    d.answer(4);
    d.clickOption("optNum2");
    QCOMPARE(d.given(), (QStringList{"", "", "", ""}));
    QCOMPARE(d.rewritten(), (QStringList{"", "", "", ""}));
    QVERIFY(!d.keypad()->isEnabled());
    QVERIFY(!d.button("cmdSoluzione")->isEnabled());
    QCOMPARE(d.label("lblAvviate"), QStringLiteral(" 1"));
}

void TestDivisionScreen::typedDivisionRepeatsAfterCompletion() {
    Pupil d;
    QVERIFY(d.startOn(Operation::Division, ProblemSource::Pupil, {3, 4, 5, 8}));
    d.solve({3, 4, 5, 8});
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 1"));
    d.cues();
    d.click("cmdRipeti");
    QCOMPARE(d.cues(), QList<int>{CueClick});
    QCOMPARE(d.given(), (QStringList{"3", "4", "5", "8"}));
    QCOMPARE(d.notice(), QStringLiteral("Esegui"));
    d.keypadType("3"); // the keypad feeds the rewrite boxes again
    QCOMPARE(d.rewrite(1)->text(), QStringLiteral("3"));
    d.click("Cmd_invio");
    QCOMPARE(QApplication::focusWidget(), d.rewrite(2));
    QCOMPARE(d.label("lblAvviate"), QStringLiteral(" 1"));
}

// A repeat's rewrite left unfinished for a newly typed problem: the new problem counts.
void TestDivisionScreen::typedProblemAfterAnUnfinishedRepeatIsANewExercise() {
    Pupil d;
    QVERIFY(d.startOn(Operation::Division, ProblemSource::Pupil, {3, 4, 5, 8}));
    d.solve({3, 4, 5, 8});
    d.click("cmdRipeti");
    d.answer(3);
    d.typeProblem({1, 2, 3, 5});
    d.click("cmdStartDiv");
    QCOMPARE(d.label("lblAvviate"), QStringLiteral(" 2"));
    // No repeat goes on: the new problem is scored.
    QVERIFY(!d.exerciseIsRepeat());
    d.answer(7); // wrong: counted
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 1"));
    d.solve({1, 2, 3, 5});
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 2"));
}

void TestDivisionScreen::screenAgreesWithThePlan() {
    std::mt19937 gen(20261210);
    std::uniform_int_distribution<int> pick(1, 99);
    Pupil d;
    QVERIFY(d.open(Operation::Division));
    d.clickOption("optNum5");
    d.clickOption("optDen4");
    for (int i = 0; i < 30; ++i) {
        const int n1 = pick(gen), d1 = pick(gen), n2 = pick(gen), d2 = pick(gen);
        d.scriptProblem(n1, d1, n2, d2, 99, 99);
        d.click("cmdStartDiv");
        const DivisionPlan plan = planDivision(n1, d1, n2, d2);
        const QByteArray what =
            QStringLiteral("%1/%2 : %3/%4").arg(n1).arg(d1).arg(n2).arg(d2).toUtf8();
        for (int campo = 1; campo <= 4; ++campo) {
            QVERIFY2(d.rewriteState().Reciproco[campo] == plan.rewrite[campo], what.constData());
            d.answer(plan.rewrite[campo]);
        }
        for (int j = 0; j < plan.product.count; ++j) {
            const ProductStep st = plan.product.steps[j];
            QVERIFY2(d.passo() == st.box, what.constData());
            QVERIFY2(d.risposte()[st.box] == st.value, what.constData());
            d.answer(st.value);
        }
        QVERIFY2(d.notice() == QStringLiteral("Missione compiuta"), what.constData());
    }
    QCOMPARE(d.label("lblErrori"), QStringLiteral(" 0"));
    QCOMPARE(d.label("lblFatte"), QStringLiteral(" 30"));
}

QTEST_MAIN(TestDivisionScreen)
#include "test_division_screen.moc"
