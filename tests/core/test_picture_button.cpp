// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_button.h"

#include <QSignalSpy>
#include <QTest>

class TestPictureButton : public QObject {
    Q_OBJECT
  private slots:
    void keysThatPressAFocusedButton_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("clicks");
        QTest::newRow("Return") << int(Qt::Key_Return) << true << 1;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true << 1;
        QTest::newRow("Space") << int(Qt::Key_Space) << true << 1;
        QTest::newRow("a letter") << int(Qt::Key_A) << true << 0;
        QTest::newRow("Return while greyed") << int(Qt::Key_Return) << false << 0;
    }
    void keysThatPressAFocusedButton() {
        QFETCH(int, key);
        QFETCH(bool, enabled);
        QWidget window;
        auto *button = new PictureButton(QStringLiteral("Avvio"), looks::red, &window);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setEnabled(enabled);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        button->setFocus();
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        QTest::keyClick(button, Qt::Key(key));
        QTEST(int(clicked.count()), "clicks");
    }

    void tellsItsWordAndShowsThePointingHand() {
        PictureButton button(QStringLiteral("Soluzione"), looks::green);
        QCOMPARE(button.accessibleName(), QStringLiteral("Soluzione"));
        QCOMPARE(button.word(), QStringLiteral("Soluzione"));
        QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
    }

    void greyedPictureLosesItsColour() {
        PictureButton button(QStringLiteral("Ripeti"), looks::green);
        button.resize(109, 33);
        const QImage lit = button.grab().toImage();
        button.setEnabled(false);
        const QImage grey = button.grab().toImage();
        const QColor a = lit.pixelColor(20, 25);
        const QColor b = grey.pixelColor(20, 25);
        QVERIFY(a.saturation() > 100);
        QVERIFY(b.saturation() < 20);
    }
};

QTEST_MAIN(TestPictureButton)
#include "test_picture_button.moc"
