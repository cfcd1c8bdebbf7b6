// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// How the check of an entry reads a step box or a rewrite box: the whole text as one whole
// number, or no number at all.

#include "step_box.h"

#include <QTest>

class TestEntryValue : public QObject {
    Q_OBJECT
  private slots:
    void readsTheWholeTextAsOneNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::addColumn<int>("value");
        QTest::newRow("7") << "7" << true << 7;
        QTest::newRow("70") << "70" << true << 70;
        QTest::newRow("0") << "0" << true << 0;
        QTest::newRow("leading zero") << "07" << true << 7;
        QTest::newRow("only zeros") << "00" << true << 0;
        QTest::newRow("many leading zeros") << "0000000007" << true << 7;
        QTest::newRow("blanks around") << " 7 " << true << 7;
        QTest::newRow("tabs around") << "\t7\t" << true << 7;
        QTest::newRow("largest a box can expect") << "32767" << true << 32767;
        QTest::newRow("one more") << "32768" << false << 0;
        QTest::newRow("too long") << "99999999999999999999" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("only blanks") << "  " << false << 0;
        QTest::newRow("letter") << "a" << false << 0;
        QTest::newRow("digit then letter") << "7a" << false << 0;
        QTest::newRow("letter then digit") << "x7" << false << 0;
        QTest::newRow("minus sign") << "-7" << false << 0;
        QTest::newRow("plus sign") << "+7" << false << 0;
        QTest::newRow("blank inside") << "0 7" << false << 0;
        QTest::newRow("decimal point") << "3." << false << 0;
        QTest::newRow("decimal comma") << "3,5" << false << 0;
        QTest::newRow("exponent") << "1e3" << false << 0;
        QTest::newRow("arabic-indic digit") << QString(QChar(0x0663)) << false << 0;
        QTest::newRow("fullwidth digits") << QString::fromUtf16(u"\uff11\uff12") << false << 0;
    }
    void readsTheWholeTextAsOneNumber() {
        QFETCH(QString, text);
        QFETCH(bool, number);
        int value = -1;
        QCOMPARE(entryValue(text, value), number);
        if (number)
            QTEST(value, "value");
        else
            QCOMPARE(value, -1); // a text that is no number leaves the value alone
    }
};

QTEST_APPLESS_MAIN(TestEntryValue)
#include "test_entry_value.moc"
