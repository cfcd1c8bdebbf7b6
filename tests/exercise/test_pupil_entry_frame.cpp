// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts.h"
#include "hand_picture.h"
#include "pupil_entry_frame.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(EntrySign)

class TestPupilEntryFrame : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { loadProgramFonts(); }

    void tabVisitsTheFourBoxesInReadingOrder() {
        QWidget window;
        auto *frame = new PupilEntryFrame(EntrySign::Plus, &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        frame->box(1)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), frame->box(1));
        for (int campo = 2; campo <= 4; ++campo) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), frame->box(campo));
        }
    }

    void clickingABoxNamesIt() {
        PupilEntryFrame frame(EntrySign::Minus);
        QSignalSpy clicked(&frame, &PupilEntryFrame::boxClicked);
        for (int campo : {3, 1, 4, 2})
            QTest::mouseClick(frame.box(campo), Qt::LeftButton);
        QCOMPARE(clicked.size(), 4);
        QCOMPARE(clicked.at(0).at(0).toInt(), 3);
        QCOMPARE(clicked.at(1).at(0).toInt(), 1);
        QCOMPARE(clicked.at(2).at(0).toInt(), 4);
        QCOMPARE(clicked.at(3).at(0).toInt(), 2);
    }

    // The hands point at their boxes: down onto the numerators from above, up at the
    // denominators from below, and each overlaps its box horizontally.
    void handsPointAtTheirBoxes() {
        PupilEntryFrame frame(EntrySign::Times);
        for (int campo = 1; campo <= 4; ++campo) {
            const QRect box = frame.box(campo)->geometry();
            const QRect hand = frame.hand(campo)->geometry();
            QCOMPARE(hand.size(), QSize(32, 32));
            QVERIFY(hand.left() < box.right() && box.left() < hand.right());
            const bool numerator = campo == 1 || campo == 3;
            if (numerator) {
                QVERIFY(hand.bottom() < box.top());
                QCOMPARE(frame.hand(campo)->direction(), HandDirection::Down);
            } else {
                QVERIFY(hand.top() > box.bottom());
                QCOMPARE(frame.hand(campo)->direction(), HandDirection::Up);
            }
        }
    }

    void onlyTheSelectedHandShows() {
        QWidget window;
        auto *frame = new PupilEntryFrame(EntrySign::Plus, &window);
        window.show();
        QVERIFY(frame->hand(1)->isVisible());
        for (int campo = 2; campo <= 4; ++campo)
            QVERIFY(!frame->hand(campo)->isVisible());
        frame->showOnlyHand(3);
        for (int campo = 1; campo <= 4; ++campo)
            QCOMPARE(frame->hand(campo)->isVisible(), campo == 3);
        frame->showAllHands();
        for (int campo = 1; campo <= 4; ++campo)
            QVERIFY(frame->hand(campo)->isVisible());
    }

    void operatorSignFollowsTheOperation_data() {
        QTest::addColumn<EntrySign>("sign");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("top");
        QTest::newRow("addition") << EntrySign::Plus << "+" << 76;
        QTest::newRow("subtraction") << EntrySign::Minus << "-" << 84;
        QTest::newRow("multiplication") << EntrySign::Times << "x" << 88;
        QTest::newRow("division") << EntrySign::Divide << ":" << 84;
    }
    void operatorSignFollowsTheOperation() {
        QFETCH(EntrySign, sign);
        PupilEntryFrame frame(sign);
        QTEST(frame.operatorLabel()->text(), "text");
        QTEST(frame.operatorLabel()->y(), "top");
        QCOMPARE(frame.operatorLabel()->objectName(), QStringLiteral("Label5"));
    }
};

QTEST_MAIN(TestPupilEntryFrame)
#include "test_pupil_entry_frame.moc"
