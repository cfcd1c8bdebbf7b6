// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The plan of every product and quotient of two fractions with terms 1..99 against plain
// rational arithmetic, and the screen's prompt table (product_prompts.h) against every pair
// of steps those plans produce.

#include "domain_stride.h"
#include "product_plan.h"
#include "product_prompts.h"

#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstring>
#include <functional>
#include <numeric>
#include <thread>

namespace {
// Every value on a chain divides its operand, so it stays within 1..99.
int gcdOf[100][100];

// The chain of each term, operand place first; numerators are the even terms.
constexpr int kChain[4][3] = {
    {kPlaceNum1, 1, 5}, {kPlaceDen1, 2, 6}, {kPlaceNum2, 3, 7}, {kPlaceDen2, 4, 8}};
constexpr int kTermOf[11] = {-1, 0, 1, 2, 3, 0, 1, 2, 3, -1, -1};
// The terms stages A..D set against each other (either way round): each fraction on its
// own, then the two diagonals.
constexpr int kStageTerms[4][2] = {{0, 1}, {2, 3}, {0, 3}, {1, 2}};

struct Tally {
    long checked = 0, failed = 0;
    QString first; // what is wrong with the first plan that failed
};

// Returns nullptr when the plan is sound, else what is wrong with it.
const char *checkProduct(int n1, int d1, int n2, int d2) {
    const ProductPlan p = planProduct(n1, d1, n2, d2);
    const int c = p.count;
    if (c < 2 || c > 10 || c % 2 != 0)
        return "step count is not an even number in 2..10";
    int asked = 0;
    for (int i = 0; i < c; ++i) {
        const int box = p.steps[i].box, v = p.steps[i].value;
        if (box < 1 || box > 10 || (asked & (1 << box)))
            return "box outside 1..10 or asked twice";
        asked |= 1 << box;
        if (v < 1 || v > 9801 || p.answer[box] != v)
            return "step value out of range or not in answer";
    }
    for (int k = 0; k <= 10; ++k)
        if (!(asked & (1 << k)) && p.answer[k] != 0)
            return "answer for a box never asked";
    if (p.steps[c - 2].box != 9 || p.steps[c - 1].box != 10 || !p.applies[4] || p.greyed[4][0] ||
        p.greyed[4][1])
        return "plan does not end with the product pair alone";
    // Walk the chains stage by stage: each pair must take the newest value of both its
    // terms, and a stage may be left out only when there was nothing to simplify.
    int level[4] = {0, 0, 0, 0};
    int cur[4] = {n1, d1, n2, d2};
    int i = 0;
    for (int s = 0; s < 4; ++s) {
        const int a = p.steps[i].box, b = p.steps[i + 1].box, ta = kTermOf[a], tb = kTermOf[b];
        const bool here =
            std::min(ta, tb) == kStageTerms[s][0] && std::max(ta, tb) == kStageTerms[s][1];
        if (p.applies[s] != here)
            return "applies disagrees with the steps";
        if (!here) {
            if (gcdOf[cur[kStageTerms[s][0]]][cur[kStageTerms[s][1]]] != 1 || p.greyed[s][0] ||
                p.greyed[s][1])
                return "a stage left out could simplify, or greys places";
            continue;
        }
        if (a != kChain[ta][level[ta] + 1] || b != kChain[tb][level[tb] + 1])
            return "step is not the next place out on its chain";
        const int va = p.steps[i].value, vb = p.steps[i + 1].value, g = cur[ta] / va;
        if (g < 2 || va * g != cur[ta] || vb * g != cur[tb] || gcdOf[va][vb] != 1)
            return "pair does not divide its sources by their gcd";
        const PairPrompt prompt = productPairPrompt(a, b);
        if (!prompt.notice || std::strcmp(prompt.notice, s < 2 ? "Semplifica in verticale"
                                                               : "Semplifica in diagonale") != 0)
            return "pair not announced as its kind of simplification";
        const int from = kChain[ta][level[ta]], to = kChain[tb][level[tb]];
        if (prompt.greyed[0] != from || prompt.greyed[1] != to || p.greyed[s][0] != from ||
            p.greyed[s][1] != to)
            return "places crossed out are not the pair's sources";
        cur[ta] = va, cur[tb] = vb;
        ++level[ta], ++level[tb];
        i += 2;
    }
    if (i != c - 2)
        return "pairs not in stage order";
    // Read back from the boxes alone: the outermost filled place of each chain.
    int outer[4] = {n1, d1, n2, d2};
    for (int box = 1; box <= 8; ++box)
        if (p.answer[box])
            outer[kTermOf[box]] = p.answer[box];
    if (outer[0] * outer[2] != p.answer[9] || outer[1] * outer[3] != p.answer[10])
        return "product is not that of the simplified terms";
    // So the product is in lowest terms exactly when no numerator left shares a factor with
    // a denominator left.
    for (int num : {outer[0], outer[2]})
        for (int den : {outer[1], outer[3]})
            if (gcdOf[num][den] != 1)
                return "a numerator and a denominator left sharing a factor";
    if (long(p.answer[9]) * d1 * d2 != long(p.answer[10]) * n1 * n2)
        return "product differs from the exact one";
    return nullptr;
}

const char *checkQuotient(int n1, int d1, int n2, int d2) {
    const DivisionPlan d = planDivision(n1, d1, n2, d2);
    if (d.rewrite != std::array<int16_t, 5>{0, int16_t(n1), int16_t(d1), int16_t(d2), int16_t(n2)})
        return "not rewritten as the first fraction times the reciprocal";
    const ProductPlan &p = d.product;
    if (p.count < 2 || p.steps[p.count - 2].box != 9 || p.steps[p.count - 1].box != 10)
        return "plan does not end with the product pair";
    const int q = p.steps[p.count - 2].value, r = p.steps[p.count - 1].value;
    if (std::gcd(q, r) != 1 || long(q) * d1 * n2 != long(r) * n1 * d2)
        return "quotient differs from the exact one in lowest terms";
    return nullptr;
}

// Runs check over the domain (one in kStride problems), the first numerators split between
// two threads. Each tallies in its own locals and writes them back once: tallies side by
// side would share a cache line that both threads write all the time.
Tally overDomain(const char *(*check)(int, int, int, int)) {
    Tally parts[2];
    auto run = [check](Tally &out, int from, int to) {
        Tally t;
        for (int n1 = from; n1 <= to; ++n1)
            for (int d1 = 1; d1 <= 99; ++d1)
                for (int n2 = 1; n2 <= 99; ++n2)
                    for (int d2 = 1; d2 <= 99; ++d2) {
                        const long index = (((n1 - 1) * 99L + d1 - 1) * 99 + n2 - 1) * 99 + d2 - 1;
                        if (index % kStride != 0)
                            continue;
                        ++t.checked;
                        const char *what = check(n1, d1, n2, d2);
                        if (what && t.failed++ == 0)
                            t.first = QString::asprintf("%d/%d, %d/%d: %s", n1, d1, n2, d2, what);
                    }
        out = t;
    };
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
    // A browser page without cross-origin isolation has one thread: the halves take turns.
    run(parts[1], 51, 99);
    run(parts[0], 1, 50);
#else
    std::thread upper(run, std::ref(parts[1]), 51, 99);
    run(parts[0], 1, 50);
    upper.join();
#endif
    // The lower half's failure comes first in domain order.
    return {parts[0].checked + parts[1].checked, parts[0].failed + parts[1].failed,
            parts[0].failed ? parts[0].first : parts[1].first};
}

// The steps as "box:value ...", after the rewrite for a division.
QString describe(bool divide, const QList<int> &t) {
    const DivisionPlan d = planDivision(t[0], t[1], t[2], t[3]);
    const ProductPlan p = divide ? d.product : planProduct(t[0], t[1], t[2], t[3]);
    QStringList out;
    if (divide)
        for (int k = 1; k <= 4; ++k)
            out << QString::number(d.rewrite[k]);
    for (int i = 0; i < p.count; ++i)
        out << QStringLiteral("%1:%2").arg(p.steps[i].box).arg(p.steps[i].value);
    return out.join(' ');
}
} // namespace

class TestProductPlan : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void workedProblems_data();
    void workedProblems();
    void otherPairsAreNoSimplification();
    void everyProblemAgreesWithRationalArithmetic_data();
    void everyProblemAgreesWithRationalArithmetic();
};

void TestProductPlan::initTestCase() {
    for (int a = 1; a <= 99; ++a)
        for (int b = 1; b <= 99; ++b)
            gcdOf[a][b] = std::gcd(a, b);
}

void TestProductPlan::workedProblems_data() {
    QTest::addColumn<QList<int>>("terms");
    QTest::addColumn<QString>("expected");
    auto row = [](const char *name, QList<int> terms, const char *expected) {
        QTest::newRow(name) << terms << QString::fromLatin1(expected);
    };
    row("1/2 x 3/5", {1, 2, 3, 5}, "9:3 10:10");
    row("2/3 x 3/4", {2, 3, 3, 4}, "1:1 4:2 2:1 3:1 9:1 10:2");
    row("4/6 x 9/10", {4, 6, 9, 10}, "1:2 2:3 5:1 4:5 6:1 3:3 9:3 10:5");
    row("6/8 x 10/15", {6, 8, 10, 15}, "1:3 2:4 3:2 4:3 5:1 8:1 6:2 7:1 9:1 10:2");
    row("5/5 x 7/7", {5, 5, 7, 7}, "1:1 2:1 3:1 4:1 9:1 10:1");
    row("7/1 x 1/7", {7, 1, 1, 7}, "1:1 4:1 9:1 10:1");
    row("3/4 x 8/9", {3, 4, 8, 9}, "1:1 4:3 2:1 3:2 9:2 10:3");
    row("12/25 x 10/9", {12, 25, 10, 9}, "1:4 4:3 2:5 3:2 9:8 10:15");
    row("6/8 : 9/12", {6, 8, 9, 12}, "6 8 12 9 1:3 2:4 3:4 4:3 5:1 8:1 6:1 7:1 9:1 10:1");
    row("4/9 : 2/3", {4, 9, 2, 3}, "4 9 3 2 1:2 4:1 2:3 3:1 9:2 10:3");
}

// A row named with ':' is a division.
void TestProductPlan::workedProblems() {
    QFETCH(QList<int>, terms);
    QFETCH(QString, expected);
    QCOMPARE(describe(std::strchr(QTest::currentDataTag(), ':'), terms), expected);
}

// The walk over the domain meets every simplifying pair; these it must not take for one,
// the product pair and simplifying pairs the wrong way round among them.
void TestProductPlan::otherPairsAreNoSimplification() {
    const int pairs[][2] = {{9, 10}, {2, 1}, {4, 1}, {7, 6}, {1, 3}, {5, 6}, {1, 5}, {0, 0}};
    for (const auto &pair : pairs) {
        const PairPrompt prompt = productPairPrompt(pair[0], pair[1]);
        QVERIFY2(!prompt.notice && !prompt.greyed[0] && !prompt.greyed[1],
                 qPrintable(QStringLiteral("%1, %2").arg(pair[0]).arg(pair[1])));
    }
}

void TestProductPlan::everyProblemAgreesWithRationalArithmetic_data() {
    QTest::addColumn<bool>("divide");
    QTest::newRow("products") << false;
    QTest::newRow("quotients") << true;
}

void TestProductPlan::everyProblemAgreesWithRationalArithmetic() {
    QFETCH(bool, divide);
    QElapsedTimer timer;
    timer.start();
    const Tally tally = overDomain(divide ? checkQuotient : checkProduct);
    qInfo("%ld problems checked in %lld ms", tally.checked, timer.elapsed());
    QVERIFY2(tally.failed == 0,
             qPrintable(QStringLiteral("%1 failed, first %2").arg(tally.failed).arg(tally.first)));
    QCOMPARE(tally.checked, (99L * 99 * 99 * 99 + kStride - 1) / kStride);
}

QTEST_APPLESS_MAIN(TestProductPlan)
#include "test_product_plan.moc"
