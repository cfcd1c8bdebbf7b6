#include "program_window.h"

#include <QCloseEvent>
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
