// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QTest>

class TestProgramWindow : public QObject {
    Q_OBJECT
  private slots:
    void staysOnTopWithoutCloseButton() {
        ProgramWindow w;
        const Qt::WindowFlags f = w.windowFlags();
        QVERIFY(f.testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(f.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!f.testFlag(Qt::WindowCloseButtonHint));
    }

    void ignoresCloseRequests() {
        ProgramWindow w;
        w.setClientSize(200, 100);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.close(), false);
        QVERIFY(w.isVisible());
        QCloseEvent ev;
        QCoreApplication::sendEvent(&w, &ev);
        QVERIFY(!ev.isAccepted());
        QVERIFY(w.isVisible());
    }

    // Sizes against the screen's available area (a fraction of its width and height, or
    // that many pixels more than it).
    void opensCentredWithItsTitleBarOnTheScreen_data() {
        QTest::addColumn<double>("widthShare");
        QTest::addColumn<double>("heightShare");
        QTest::newRow("fits") << 0.6 << 0.6;
        QTest::newRow("taller than the screen") << 0.6 << 1.3;
        QTest::newRow("wider than the screen") << 1.3 << 0.6;
        QTest::newRow("larger than the screen") << 1.3 << 1.3;
    }
    void opensCentredWithItsTitleBarOnTheScreen() {
        QFETCH(double, widthShare);
        QFETCH(double, heightShare);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        ProgramWindow w;
        w.setClientSize(int(area.width() * widthShare), int(area.height() * heightShare));
        w.showAndActivate();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // A window manager frames the window a moment after it is shown.
        QTest::qWait(200);
        const QRect frame = w.frameGeometry();
        const QString where = QStringLiteral("frame at %1,%2 %3x%4 on %5,%6 %7x%8")
                                  .arg(frame.x())
                                  .arg(frame.y())
                                  .arg(frame.width())
                                  .arg(frame.height())
                                  .arg(area.x())
                                  .arg(area.y())
                                  .arg(area.width())
                                  .arg(area.height());
        // The title bar, and with it the way to move the window, is always on the screen.
        QVERIFY2(area.contains(frame.topLeft()), qPrintable(where));
        // Centred along each side that fits, the whole frame inside on that side.
        const int slack = qMax(2, frame.height() - w.height());
        if (frame.width() <= area.width()) {
            QVERIFY2(frame.left() >= area.left() && frame.right() <= area.right(),
                     qPrintable(where));
            QVERIFY2(qAbs(frame.center().x() - area.center().x()) <= slack, qPrintable(where));
        } else {
            QCOMPARE(frame.left(), area.left());
        }
        if (frame.height() <= area.height()) {
            QVERIFY2(frame.top() >= area.top() && frame.bottom() <= area.bottom(),
                     qPrintable(where));
            QVERIFY2(qAbs(frame.center().y() - area.center().y()) <= slack, qPrintable(where));
        } else {
            QCOMPARE(frame.top(), area.top());
        }
    }

    void aWindowShownAgainStaysWhereItWasLeft() {
        ProgramWindow w;
        w.setClientSize(300, 200);
        w.showAndActivate();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // The start menu shown again after an exercise.
        w.hide();
        w.move(10, 20);
        w.showAndActivate();
        QCOMPARE(w.pos(), QPoint(10, 20));
    }

    void inPrimoPianoKeepsAShownWindowShownInPlace() {
        QWidget w;
        w.setGeometry(50, 60, 120, 80);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QSize size = w.size();
        InPrimoPiano(&w);
        QVERIFY(w.isVisible());
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(w.size(), size);
        InPrimoPiano(nullptr);
    }
};

// Twice the size, as a teacher enlarges the program for a whiteboard: the screen (the
// offscreen one, 800 x 600 pixels, or an X server's) holds half as many points, fewer than
// some of the program's windows need.
int main(int argc, char *argv[]) {
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestProgramWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_program_window.moc"
