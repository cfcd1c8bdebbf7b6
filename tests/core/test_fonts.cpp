// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

// The screens ask for the faces of the machines the program was first written for; the
// program's own fonts must answer for them, in every style the screens use and with every
// letter their Italian texts and the pupil's digits need, whatever fonts the machine has
// (and under whatever name a build gives its copies).
class TestFonts : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { loadProgramFonts(); }

    void facesAreTheProgramsOwn_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QString>("style");
        QTest::newRow("Arial") << kArialFace << false << false << "Regular";
        QTest::newRow("Arial bold") << kArialFace << true << false << "Bold";
        QTest::newRow("Comic") << kComicFace << false << false << "Regular";
        QTest::newRow("Comic bold") << kComicFace << true << false << "Bold";
        QTest::newRow("Comic italic") << kComicFace << false << true << "Italic";
    }
    void facesAreTheProgramsOwn() {
        QFETCH(QString, face);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(QString, style);
        QFont font(face, 14);
        font.setBold(bold);
        font.setItalic(italic);
        const QFontInfo info(font);
        QVERIFY2(QFont::substitutes(face).contains(info.family(), Qt::CaseInsensitive),
                 qPrintable(face + " is drawn with " + info.family() + " not " +
                            QFont::substitutes(face).join(",")));
        QCOMPARE(info.styleName(), style);
        const QFontMetrics metrics(font);
        for (const QChar letter : QStringLiteral("0123456789 àèéìòùÈ«»’:+-×=?!"))
            QVERIFY2(metrics.inFont(letter), qPrintable(QStringLiteral("no ") + letter));
    }
};

QTEST_MAIN(TestFonts)
#include "test_fonts.moc"
