// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame shared by the exercise screens: keypad, keyboard, leaving, layout.

#include "exercise_driver.h"
#include "exercise_frame.h"
#include "exercise_layout.h"

#include <QGroupBox>

class TestExerciseFrame : public QObject {
    Q_OBJECT
  private slots:
    void keypadTypesAtTheCaret();
    void keypadTypesIntoTheCurrentBoxNotTheClickedOne();
    void keyboardTypesIntoTheFocusedBox();
    void keypadIsSilentWithTheSoundOff();
    void exitMidExerciseShowsTheMenuAndNextVisitStartsAtZero();
    void onlyOneExerciseScreenAtATime();
    void everyScreenHasTheCommonFrame_data();
    void everyScreenHasTheCommonFrame();
    void counterHasOneLeadingBlank_data();
    void counterHasOneLeadingBlank();
};

void TestExerciseFrame::counterHasOneLeadingBlank_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0") << 0 << " 0";
    QTest::newRow("3") << 3 << " 3";
    QTest::newRow("12") << 12 << " 12";
}

void TestExerciseFrame::counterHasOneLeadingBlank() {
    QFETCH(int, value);
    QTEST(counterText(value), "shown");
}

void TestExerciseFrame::keypadTypesAtTheCaret() {
    ExerciseDriver d;
    QVERIFY(d.startProblem(false, 1, 2, 1, 3));
    QCOMPARE(d.passo(), 5);
    d.cues();
    d.keypadType("72");
    QCOMPARE(d.step(5)->text(), QStringLiteral("72"));
    QCOMPARE(d.step(5)->cursorPosition(), 2);
    QCOMPARE(QApplication::focusWidget(), d.step(5));
    d.click("Cmd_backspace");
    QCOMPARE(d.step(5)->text(), QStringLiteral("7"));
    QCOMPARE(d.cues(), (QList<int>{CueClick, CueClick, CueClick}));
    // The caret moved with the arrow key stays where the pupil put it.
    d.keypadType("2");
    QTest::keyClick(d.step(5), Qt::Key_Left);
    d.keypadType("5");
    QCOMPARE(d.step(5)->text(), QStringLiteral("752"));
    QCOMPARE(d.step(5)->cursorPosition(), 2);
    // A selection is replaced, as by a typed key.
    d.step(5)->selectAll();
    d.keypadType("6");
    QCOMPARE(d.step(5)->text(), QStringLiteral("6"));
    d.click("Cmd_invio");
    QCOMPARE(d.passo(), 6);
}

void TestExerciseFrame::keypadTypesIntoTheCurrentBoxNotTheClickedOne() {
    ExerciseDriver d;
    QVERIFY(d.startProblem(false, 1, 2, 1, 3));
    QTest::mouseClick(d.step(7), Qt::LeftButton);
    d.settle();
    QCOMPARE(QApplication::focusWidget(), d.step(7));
    d.keypadType("4");
    QCOMPARE(d.step(7)->text(), QString());
    QCOMPARE(d.step(5)->text(), QStringLiteral("4"));
    QCOMPARE(QApplication::focusWidget(), d.step(5));
}

void TestExerciseFrame::keyboardTypesIntoTheFocusedBox() {
    ExerciseDriver d;
    QVERIFY(d.startProblem(false, 1, 2, 1, 3));
    d.cues();
    d.keyboardType("a");
    QCOMPARE(d.step(5)->text(), QStringLiteral("a"));
    QCOMPARE(d.cues(), QList<int>{}); // the keyboard makes no click
}

void TestExerciseFrame::keypadIsSilentWithTheSoundOff() {
    ExerciseDriver d;
    QVERIFY(d.startProblem(false, 1, 2, 1, 3));
    d.program.ctx.state.SuonoAttivo = false;
    d.cues();
    d.keypadType("6");
    d.click("Cmd_invio");
    QCOMPARE(d.step(5)->text(), QStringLiteral("6"));
    QCOMPARE(d.passo(), 6);
    QCOMPARE(d.cues(), QList<int>{});
}

void TestExerciseFrame::exitMidExerciseShowsTheMenuAndNextVisitStartsAtZero() {
    ExerciseDriver d;
    QVERIFY(d.startProblem(false, 2, 4, 1, 6));
    d.answer(7); // an error
    d.menu.hide();
    d.cues();
    QPointer<QWidget> first = d.screen;
    d.click("cmdExit");
    QCOMPARE(d.cues(), QList<int>{CueClick});
    QVERIFY(d.menu.isVisible());
    QTRY_VERIFY(first.isNull()); // unloaded
    // The next screen to load counts afresh.
    QVERIFY(d.open(Operation::Addition));
    for (const char *name : {"lblAvviate", "lblFatte", "lblErrori"})
        QCOMPARE(d.label(name), QStringLiteral(" 0"));
    QCOMPARE(d.frame()->counters().Errori, 0);
    QCOMPARE(d.box("txtNum1")->text(), QString());
}

void TestExerciseFrame::onlyOneExerciseScreenAtATime() {
    ExerciseDriver d;
    QVERIFY(d.open(Operation::Addition));
    QPointer<QWidget> first = d.screen;
    QVERIFY(d.open(Operation::Division));
    QVERIFY(first.isNull());
    int screens = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        screens += qobject_cast<ExerciseFrame *>(w) ? 1 : 0;
    QCOMPARE(screens, 1);
}

void TestExerciseFrame::everyScreenHasTheCommonFrame_data() {
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QRect>("startAt");
    QTest::addColumn<QRect>("noticeAt");
    QTest::addColumn<QString>("notice");
    const QRect rnd = layout::frame::kStartRandom;
    const QRect pup = layout::frame::kStartPupil;
    // Where each screen's drawing puts its message line: lower where the working area lets it.
    const QRect low(136, 356, 349, 85);
    const QString press = QStringLiteral("Premi Avvio per cominciare");
    const QString type = QStringLiteral("Inserisci i numeri e premi Avvio per cominciare");
    const int C = int(ProblemSource::Computer), P = int(ProblemSource::Pupil);
    QTest::newRow("frmAdd") << int(Operation::Addition) << C << "frmAdd"
                            << "Addizione"
                            << "cmdAvvio" << rnd << low << press;
    QTest::newRow("frmSott") << int(Operation::Subtraction) << C << "frmSott"
                             << "Sottrazione"
                             << "cmdAvvio" << rnd << low << press;
    QTest::newRow("frmMolt") << int(Operation::Multiplication) << C << "frmMolt"
                             << "Moltiplicazione"
                             << "cmdAvvio" << rnd << low << press;
    QTest::newRow("frmDiv") << int(Operation::Division) << C << "frmDiv"
                            << "Divisione"
                            << "cmdStartDiv" << rnd << QRect(132, 344, 353, 85) << press;
    QTest::newRow("frmAdd2") << int(Operation::Addition) << P << "frmAdd2"
                             << "Addizione"
                             << "cmdAvvio" << pup << low << type;
    QTest::newRow("frmSott2") << int(Operation::Subtraction) << P << "frmSott2"
                              << "Sottrazione"
                              << "cmdAvvio" << pup << low << type;
    QTest::newRow("frmMolt2") << int(Operation::Multiplication) << P << "frmMolt2"
                              << "Moltiplicazione"
                              << "cmdAvvio" << pup << QRect(136, 332, 349, 85) << type;
    QTest::newRow("frmDiv2") << int(Operation::Division) << P << "frmDiv2"
                             << "Divisione"
                             << "cmdStartDiv" << pup << QRect(136, 344, 353, 85) << type;
}

void TestExerciseFrame::everyScreenHasTheCommonFrame() {
    QFETCH(int, op);
    QFETCH(int, source);
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, start);
    QFETCH(QRect, startAt);
    ExerciseDriver d;
    QVERIFY(d.open(Operation(op), ProblemSource(source)));
    QCOMPARE(d.screen->objectName(), name);
    QCOMPARE(d.screen->windowTitle(), title);
    QCOMPARE(d.screen->size(), layout::kClient);
    QCOMPARE(d.label("Label4"), title);
    QCOMPARE(d.label("Label3"), title);
    QVERIFY(d.screen->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!(d.screen->windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(d.button(start)->geometry(), startAt);
    auto *notice = d.screen->findChild<QLabel *>("lblAvviso");
    QTEST(notice->geometry(), "noticeAt");
    QTEST(notice->text(), "notice");
    QCOMPARE(d.button(start)->accessibleName(), QStringLiteral("Avvio"));
    auto *keypad = d.screen->findChild<QGroupBox *>("Frame1");
    QCOMPARE(keypad->title(), QStringLiteral("Tastierino numerico"));
    for (int k = 0; k <= 9; ++k) {
        PictureButton *key = d.button(QStringLiteral("Cmd_%1").arg(k));
        QCOMPARE(key->accessibleName(), QString::number(k));
        QCOMPARE(key->focusPolicy(), Qt::NoFocus);
        QCOMPARE(key->cursor().shape(), Qt::PointingHandCursor);
    }
    for (const char *b : {"Cmd_backspace", "Cmd_invio", "cmdSoluzione", "cmdRipeti", "cmdExit"})
        QVERIFY2(d.button(b) != nullptr, b);
    QVERIFY(!d.button("cmdSoluzione")->isEnabled());
    QVERIFY(!d.button("cmdRipeti")->isEnabled());
    // Closing from the title bar or Alt+F4 does nothing.
    QVERIFY(!d.screen->close());
    QVERIFY(d.screen->isVisible());
}

QTEST_MAIN(TestExerciseFrame)
#include "test_exercise_frame.moc"
