#include "program_window.h"

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

    void opensInTheMiddleOfTheScreenOnlyTheFirstTime() {
        ProgramWindow w;
        w.setClientSize(300, 200);
        w.showAndActivate();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
        // Within a window frame's width of the middle.
        QVERIFY((w.geometry().center() - middle).manhattanLength() <= 8);
        // A window shown again (the start menu after an exercise) stays where it was left.
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

QTEST_MAIN(TestProgramWindow)
#include "test_program_window.moc"
