// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The written addition and subtraction as the program plans it, without a widget.

#include "addsub_steps.h"

#include <QTest>

Q_DECLARE_METATYPE(Operation)

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
};

QTEST_APPLESS_MAIN(TestAddSubSteps)
#include "test_addsub_steps.moc"
