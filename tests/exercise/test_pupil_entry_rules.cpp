// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addsub_steps.h"
#include "entry_rules.h"

#include <QTest>

Q_DECLARE_METATYPE(StartVerdict)

class TestPupilEntryRules : public QObject {
    Q_OBJECT
  private slots:
    void readsLeadingDigits_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("leading zero") << "07" << 7;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("minus sign is not a digit") << "-5" << 0;
        QTest::newRow("plus sign is not a digit") << "+5" << 0;
        QTest::newRow("decimal point stops") << "3.5" << 3;
        QTest::newRow("decimal comma stops") << "3,5" << 3;
        QTest::newRow("letter first") << "a1" << 0;
        QTest::newRow("letter after") << "4x" << 4;
        QTest::newRow("leading blank") << " 4" << 4;
        QTest::newRow("trailing blank") << "4 " << 4;
        QTest::newRow("only blanks") << "  " << 0;
        QTest::newRow("two digits") << "99" << 99;
        QTest::newRow("sign after digits") << "5-" << 5;
        QTest::newRow("non-ascii digit") << QString::fromUtf8("\u0663") << 0;
        QTest::newRow("too many digits stays positive") << "99999999999999999999" << 999999999;
    }
    void readsLeadingDigits() {
        QFETCH(QString, text);
        const QByteArray utf8 = text.toUtf8();
        QTEST(leadingNumber(std::string_view(utf8.constData(), utf8.size())), "value");
    }

    void checksStart_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<StartVerdict>("verdict");
        const auto ok = StartVerdict::Accepted;
        const auto empty = StartVerdict::EmptyEntry;
        const auto zero = StartVerdict::ZeroEntry;
        QTest::newRow("plain") << QStringList{"1", "2", "1", "3"} << ok;
        QTest::newRow("empty second den") << QStringList{"1", "2", "1", ""} << empty;
        QTest::newRow("all empty") << QStringList{"", "", "", ""} << empty;
        QTest::newRow("zero numerator") << QStringList{"0", "5", "1", "2"} << zero;
        QTest::newRow("zero denominator") << QStringList{"1", "0", "1", "2"} << zero;
        QTest::newRow("double zero") << QStringList{"1", "2", "00", "2"} << zero;
        QTest::newRow("negative typed") << QStringList{"-5", "2", "1", "2"} << zero;
        QTest::newRow("letter typed") << QStringList{"1", "a1", "1", "2"} << zero;
        QTest::newRow("improper") << QStringList{"9", "2", "7", "1"} << ok;
        QTest::newRow("zero before empty") << QStringList{"0", "3", "", "2"} << empty;
        QTest::newRow("smaller first is the operation's to refuse")
            << QStringList{"1", "3", "1", "2"} << ok;
    }
    void checksStart() {
        QFETCH(QStringList, entries);
        QFETCH(StartVerdict, verdict);
        std::array<QByteArray, 4> bytes;
        EntryTexts texts;
        for (int i = 0; i < 4; ++i) {
            bytes[i] = entries[i].toUtf8();
            texts[i] = std::string_view(bytes[i].constData(), bytes[i].size());
        }
        const EnteredProblem p = checkEntries(texts);
        QCOMPARE(p.verdict, verdict);
        if (verdict == StartVerdict::Accepted) {
            QCOMPARE(p.num1, entries[0].toInt());
            QCOMPARE(p.den1, entries[1].toInt());
            QCOMPARE(p.num2, entries[2].toInt());
            QCOMPARE(p.den2, entries[3].toInt());
        }
    }

    // Whatever two characters the keyboard puts into the boxes, an accepted problem has
    // only operands from 1 to 99 and, as a subtraction the operation takes, a difference
    // that is not negative.
    void acceptedProblemsAreAlwaysPositive() {
        const std::string_view samples[] = {"",   "0",  "1",  "9",  "07", "-1", "+3", "a",
                                            "1a", "3.", ".5", " 2", "99", "-0", "1-", "x9"};
        int accepted = 0;
        int subtracted = 0;
        for (auto n1 : samples)
            for (auto d1 : samples)
                for (auto n2 : samples)
                    for (auto d2 : samples) {
                        const EnteredProblem p = checkEntries({n1, d1, n2, d2});
                        if (p.verdict != StartVerdict::Accepted)
                            continue;
                        ++accepted;
                        for (int v : {p.num1, p.den1, p.num2, p.den2})
                            QVERIFY(v >= 1 && v <= 99);
                        const Problem difference{Operation::Subtraction, p.num1, p.den1, p.num2,
                                                 p.den2};
                        if (differenceIsNegative(difference))
                            continue;
                        ++subtracted;
                        QVERIFY(p.num1 * p.den2 - p.num2 * p.den1 >= 0);
                    }
        QVERIFY(accepted > subtracted);
        QVERIFY(subtracted > 0);
    }
};

QTEST_GUILESS_MAIN(TestPupilEntryRules)
#include "test_pupil_entry_rules.moc"
