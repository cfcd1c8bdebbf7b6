// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random_source.h"

#include <QSet>
#include <QTest>

class TestRandomSource : public QObject {
    Q_OBJECT
  private slots:
    void drawsStayInUnitInterval() {
        ClockRandomSource r;
        double lo = 1, hi = 0;
        for (int i = 0; i < 100000; ++i) {
            const double v = r.next();
            QVERIFY(v >= 0.0 && v < 1.0);
            lo = qMin(lo, v);
            hi = qMax(hi, v);
        }
        QVERIFY(lo < 0.001 && hi > 0.999);
    }

    void reseedsInOneTickStillDiffer() {
        // Reseeding thousands of times faster than a coarse clock ticks must not replay
        // the same number after each reseed.
        ClockRandomSource r;
        QSet<double> seen;
        for (int i = 0; i < 2000; ++i) {
            r.reseed();
            seen.insert(r.next());
        }
        QVERIFY(seen.size() > 1990);
    }
};

QTEST_APPLESS_MAIN(TestRandomSource)
#include "test_random_source.moc"
