// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The written product as the program plans it, for the multiplication screens and the
// division screens' second phase, without a widget: checked on worked problems, and on
// every problem against the tests' own plan (tests/reference).

#include "domain_stride.h"
#include "product_plan.h"
#include "product_steps.h"

#include <QTest>

namespace {
QString placeName(int place) {
    switch (place) {
    case kPlaceNum1:
        return QStringLiteral("N1");
    case kPlaceDen1:
        return QStringLiteral("D1");
    case kPlaceNum2:
        return QStringLiteral("N2");
    case kPlaceDen2:
        return QStringLiteral("D2");
    }
    return QString::number(place);
}

// "box:value" for each step in order, with "<place" for the place it crosses out.
QString describe(const ProductSteps &s) {
    QStringList out;
    for (int pos = 1; pos <= s.count; ++pos) {
        const int box = s.SequenzaPassi[pos];
        QString step = QStringLiteral("%1:%2").arg(box).arg(s.Risposte[box]);
        if (s.replaces[box])
            step += QLatin1Char('<') + placeName(s.replaces[box]);
        out << step;
    }
    return out.join(QLatin1Char(' '));
}

// Whether the program's plan of terms is the reference's: the same steps in the same order
// with the same answers, and each simplifying pair crossing out the places its stage does.
bool samePlan(const ProductSteps &s, const ProductPlan &plan) {
    if (s.count != plan.count)
        return false;
    for (int i = 0; i < plan.count; ++i) {
        const int box = plan.steps[i].box;
        if (s.SequenzaPassi[i + 1] != box || s.Risposte[box] != plan.steps[i].value)
            return false;
    }
    int pos = 1;
    for (int stage = 0; stage < 4; ++stage) {
        if (!plan.applies[stage])
            continue;
        const int a = s.SequenzaPassi[pos], b = s.SequenzaPassi[pos + 1];
        if (s.replaces[a] != plan.greyed[stage][0] || s.replaces[b] != plan.greyed[stage][1])
            return false;
        pos += 2;
    }
    return s.replaces[9] == 0 && s.replaces[10] == 0;
}
} // namespace

class TestProductSteps : public QObject {
    Q_OBJECT
  private slots:
    void workedProblems_data() {
        QTest::addColumn<QList<int>>("terms");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1/2 x 3/5: nothing simplifies") << QList<int>{1, 2, 3, 5} << "9:3 10:10";
        QTest::newRow("2/3 x 3/4: across only")
            << QList<int>{2, 3, 3, 4} << "1:1<N1 4:2<D2 2:1<D1 3:1<N2 9:1 10:2";
        QTest::newRow("6/8 x 10/15: every stage")
            << QList<int>{6, 8, 10, 15}
            << "1:3<N1 2:4<D1 3:2<N2 4:3<D2 5:1<1 8:1<4 6:2<2 7:1<3 9:1 10:2";
    }
    void workedProblems() {
        QFETCH(QList<int>, terms);
        QTEST(describe(productSteps({terms[0], terms[1], terms[2], terms[3]})), "expected");
    }

    void divisionIsRewrittenByTheReciprocal() {
        const std::array<int, 4> rewritten = divisionRewrite({Operation::Division, 4, 9, 2, 3});
        QCOMPARE(rewritten, (std::array<int, 4>{4, 9, 3, 2}));
        QCOMPARE(describe(productSteps(rewritten)), "1:2<N1 4:1<D2 2:3<D1 3:1<N2 9:2 10:3");
    }

    void everyProblemAgreesWithTheReference_data() {
        QTest::addColumn<bool>("divide");
        QTest::newRow("products") << false;
        QTest::newRow("quotients") << true;
    }
    // On every problem the tests' own plan is checked on.
    void everyProblemAgreesWithTheReference() {
        QFETCH(bool, divide);
        const DomainSweep sweep = sweepDomain([&](int n1, int d1, int n2, int d2) {
            if (!divide)
                return samePlan(productSteps({n1, d1, n2, d2}), planProduct(n1, d1, n2, d2));
            const std::array<int, 4> rewritten =
                divisionRewrite({Operation::Division, n1, d1, n2, d2});
            const DivisionPlan plan = planDivision(n1, d1, n2, d2);
            bool same = samePlan(productSteps(rewritten), plan.product);
            for (int k = 1; same && k <= 4; ++k)
                same = rewritten[k - 1] == plan.rewrite[k];
            return same;
        });
        QVERIFY2(sweep.differing == 0, qPrintable(sweep.report()));
        QVERIFY(sweep.wholeDomain());
    }
};

QTEST_APPLESS_MAIN(TestProductSteps)
#include "test_product_steps.moc"
