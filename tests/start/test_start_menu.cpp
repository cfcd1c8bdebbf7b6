// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hand_picture.h"
#include "start_menu.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {
QWidget *visibleWindow(const QString &name) {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

void closeAllWindows() {
    QList<QPointer<QWidget>> tops;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            tops.append(w);
    for (const QPointer<QWidget> &w : tops)
        delete w.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class TestStartMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    StartMenu *menu = nullptr;
    int exits = 0;

    template <class T = QWidget> T *control(const char *name) {
        T *w = menu->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    bool handAtTe() { return control("Image1")->isVisibleTo(menu); }
    bool handAtComputer() { return control("Image2")->isVisibleTo(menu); }
    QList<QAbstractButton *> operationButtons() {
        return {control<QAbstractButton>("CmdAddizione1"),
                control<QAbstractButton>("CmdSottrazione"),
                control<QAbstractButton>("CmdMoltiplicazione1"),
                control<QAbstractButton>("cmdDivisione1")};
    }
    void chooseMode(const char *button) {
        QTest::mousePress(control(button), Qt::LeftButton);
        QTest::mouseRelease(control(button), Qt::LeftButton);
    }

  private slots:
    void init() {
        program = std::make_unique<TestProgram>();
        exits = 0;
        menu = qobject_cast<StartMenu *>(openStartMenu(program->ctx));
        QVERIFY(menu);
        menu->setExitAction([this] { ++exits; });
        QVERIFY(QTest::qWaitForWindowExposed(menu));
    }
    void cleanup() {
        closeAllWindows();
        menu = nullptr;
        program.reset();
    }

    void shouldWarmUpTheSpeakersOnceAfterShowingWithoutPlaying() {
        QCOMPARE(program->player.warmUps, 0);
        QTRY_COMPARE(program->player.warmUps, 1);
        QTest::qWait(200);
        QCOMPARE(program->player.warmUps, 1);
        QVERIFY(program->player.cues.isEmpty());
    }

    void shouldOpenWithWindowCaptionAndClientArea() {
        QCOMPARE(menu->objectName(), QStringLiteral("frmStart"));
        QCOMPARE(menu->windowTitle(), QStringLiteral("Operazioni con le quivelle"));
        QCOMPARE(menu->size(), QSize(634, 455));
        QVERIFY(menu->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(menu->windowFlags() & Qt::WindowCloseButtonHint));
        // The release number comes from the project's version.
        QCOMPARE(control<QLabel>("Label4")->text(), QStringLiteral("4.0"));
        // The credit line must fit its 109 pixels.
        const QLabel *credit = control<QLabel>("Label1");
        QVERIFY(QFontMetrics(credit->font()).horizontalAdvance(credit->text()) <= 109);
    }

    void shouldPlaceEveryControl_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<bool>("handCursor");
        QTest::newRow("Label6") << "Label6" << QRect(8, 28, 605, 57) << false;
        QTest::newRow("Label2") << "Label2" << QRect(4, 32, 605, 57) << false;
        QTest::newRow("Label5") << "Label5" << QRect(68, 96, 249, 37) << false;
        QTest::newRow("Label7") << "Label7" << QRect(64, 100, 249, 37) << false;
        QTest::newRow("Label1") << "Label1" << QRect(76, 16, 109, 17) << false;
        QTest::newRow("Label3") << "Label3" << QRect(472, 16, 49, 17) << false;
        QTest::newRow("Label4") << "Label4" << QRect(524, 16, 33, 17) << false;
        QTest::newRow("cmdTe") << "cmdTe" << QRect(420, 88, 141, 33) << true;
        QTest::newRow("Image1") << "Image1" << QRect(356, 88, 32, 32) << false;
        QTest::newRow("cmdComputer") << "cmdComputer" << QRect(420, 128, 141, 33) << true;
        QTest::newRow("Image2") << "Image2" << QRect(356, 128, 32, 32) << false;
        QTest::newRow("CmdAddizione1") << "CmdAddizione1" << QRect(40, 156, 261, 41) << true;
        QTest::newRow("CmdSottrazione") << "CmdSottrazione" << QRect(124, 212, 261, 41) << true;
        QTest::newRow("CmdMoltiplicazione1")
            << "CmdMoltiplicazione1" << QRect(228, 268, 261, 41) << true;
        QTest::newRow("cmdDivisione1") << "cmdDivisione1" << QRect(332, 324, 261, 41) << true;
        QTest::newRow("cmdInfo") << "cmdInfo" << QRect(124, 384, 101, 37) << true;
        QTest::newRow("Check1") << "Check1" << QRect(280, 384, 81, 37) << true;
        QTest::newRow("cmdEsci") << "cmdEsci" << QRect(408, 384, 101, 37) << true;
    }
    void shouldPlaceEveryControl() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(bool, handCursor);
        auto *w = menu->findChild<QWidget *>(name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->geometry(), rect);
        if (handCursor)
            QCOMPARE(w->cursor().shape(), Qt::PointingHandCursor);
    }

    void shouldBlinkTheHandBetweenTheModeButtons() {
        auto *timer = control<QTimer>("Timer1");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 500);
        QVERIFY(handAtComputer());
        QVERIFY(!handAtTe());
        // First tick keeps the hand at "dal computer", then it alternates.
        const bool atTe[] = {false, true, false, true, false};
        for (bool expected : atTe) {
            menu->Timer1_Timer();
            QCOMPARE(handAtTe(), expected);
            QCOMPARE(handAtComputer(), !expected);
        }
        QVERIFY(program->player.cues.isEmpty());
    }

    void shouldChooseModeOnAnyMouseButtonDown_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Qt::MouseButton>("mouse");
        QTest::addColumn<int>("modo");
        QTest::newRow("left on dal computer") << "cmdComputer" << Qt::LeftButton << 2;
        QTest::newRow("right on dal computer") << "cmdComputer" << Qt::RightButton << 2;
        QTest::newRow("middle on dal computer") << "cmdComputer" << Qt::MiddleButton << 2;
        QTest::newRow("left on da te") << "cmdTe" << Qt::LeftButton << 1;
        QTest::newRow("right on da te") << "cmdTe" << Qt::RightButton << 1;
    }
    void shouldChooseModeOnAnyMouseButtonDown() {
        QFETCH(QString, button);
        QFETCH(Qt::MouseButton, mouse);
        QFETCH(int, modo);
        // The press alone chooses, before any release.
        QTest::mousePress(menu->findChild<QWidget *>(button), mouse);
        QCOMPARE(int(menu->mode()), modo);
        QCOMPARE(program->player.takeCues(), QList<int>{CueClick});
        QCOMPARE(handAtTe(), modo == 1);
        QCOMPARE(handAtComputer(), modo == 2);
        QVERIFY(!control<QTimer>("Timer1")->isActive());
        for (QAbstractButton *b : operationButtons())
            QVERIFY2(b->isVisible(), qPrintable(b->objectName()));
        QTest::mouseRelease(menu->findChild<QWidget *>(button), mouse);
        QVERIFY(program->player.cues.isEmpty());
    }

    void shouldIgnoreKeyboardOnModeButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Space on da te") << "cmdTe" << Qt::Key_Space;
        QTest::newRow("Enter on da te") << "cmdTe" << Qt::Key_Enter;
        QTest::newRow("Return on da te") << "cmdTe" << Qt::Key_Return;
        QTest::newRow("Space on dal computer") << "cmdComputer" << Qt::Key_Space;
        QTest::newRow("Return on dal computer") << "cmdComputer" << Qt::Key_Return;
    }
    void shouldIgnoreKeyboardOnModeButtons() {
        QFETCH(QString, button);
        QFETCH(Qt::Key, key);
        QWidget *w = menu->findChild<QWidget *>(button);
        w->setFocus();
        QTest::keyClick(w, key);
        QCOMPARE(int(menu->mode()), 0);
        QVERIFY(program->player.cues.isEmpty());
        QVERIFY(control<QTimer>("Timer1")->isActive());
        for (QAbstractButton *b : operationButtons())
            QVERIFY(!b->isVisible());
    }

    void shouldKeepOperationsOutOfReachBeforeAMode() {
        for (QAbstractButton *b : operationButtons())
            QVERIFY(!b->isVisible());
        // Tab round the whole window: no operation button ever takes the focus.
        control("cmdTe")->setFocus();
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(menu->focusWidget(), Qt::Key_Tab);
            QVERIFY(!operationButtons().contains(menu->focusWidget()));
        }
        // A click where "Addizione" will appear opens nothing.
        QTest::mouseClick(menu, Qt::LeftButton, {}, QPoint(60, 170));
        QVERIFY(menu->isVisible());
        QCOMPARE(int(menu->mode()), 0);
        QVERIFY(program->player.cues.isEmpty());

        chooseMode("cmdComputer");
        QList<QWidget *> reached;
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(menu->focusWidget(), Qt::Key_Tab);
            reached.append(menu->focusWidget());
        }
        for (QAbstractButton *b : operationButtons())
            QVERIFY2(reached.contains(b), qPrintable(b->objectName()));
    }

    void shouldOpenNothingWithoutAMode() {
        // Hidden buttons cannot be clicked by the pupil; even if one fired, the menu must not
        // vanish and leave no window on the screen.
        operationButtons().first()->click();
        QVERIFY(menu->isVisible());
        QVERIFY(!visibleWindow(QStringLiteral("frmAdd")));
        QVERIFY(!visibleWindow(QStringLiteral("frmAdd2")));
        QVERIFY(program->player.cues.isEmpty());
    }

    void shouldOpenTheScreenOfModeAndOperation_data() {
        QTest::addColumn<QStringList>("modes");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screen");
        const QStringList computer{"cmdComputer"};
        const QStringList te{"cmdTe"};
        QTest::newRow("computer addition") << computer << "CmdAddizione1"
                                           << "frmAdd";
        QTest::newRow("computer subtraction") << computer << "CmdSottrazione"
                                              << "frmSott";
        QTest::newRow("computer multiplication") << computer << "CmdMoltiplicazione1"
                                                 << "frmMolt";
        QTest::newRow("computer division") << computer << "cmdDivisione1"
                                           << "frmDiv";
        QTest::newRow("te addition") << te << "CmdAddizione1"
                                     << "frmAdd2";
        QTest::newRow("te subtraction") << te << "CmdSottrazione"
                                        << "frmSott2";
        QTest::newRow("te multiplication") << te << "CmdMoltiplicazione1"
                                           << "frmMolt2";
        QTest::newRow("te division") << te << "cmdDivisione1"
                                     << "frmDiv2";
        QTest::newRow("te then computer") << QStringList{"cmdTe", "cmdComputer"} << "CmdAddizione1"
                                          << "frmAdd";
        QTest::newRow("computer then te") << QStringList{"cmdComputer", "cmdTe"} << "cmdDivisione1"
                                          << "frmDiv2";
    }
    void shouldOpenTheScreenOfModeAndOperation() {
        QFETCH(QStringList, modes);
        QFETCH(QString, button);
        QFETCH(QString, screen);
        for (const QString &m : modes)
            chooseMode(qPrintable(m));
        program->player.cues.clear();
        QTest::mouseClick(menu->findChild<QWidget *>(button), Qt::LeftButton);
        QWidget *opened = visibleWindow(screen);
        QVERIFY2(opened, qPrintable(screen));
        QVERIFY(!menu->isVisible());
        // The screen has loaded before the opening cue, which comes last.
        QVERIFY(!program->player.cues.isEmpty());
        QCOMPARE(program->player.cues.last(), int(CueOpened));
        QCOMPARE(program->player.cues.count(CueOpened), 1);
    }

    // Title bars, task bars and the window switcher show the menu entry's picture, at every
    // size the program carries, for the menu and for the windows it opens.
    void shouldGiveEveryWindowTheMenuIcon() {
        auto checkIcon = [](QWidget *window) {
            QVERIFY(window);
            const QIcon icon = window->windowIcon();
            const QList<QSize> sizes = icon.availableSizes();
            for (int side : {16, 32, 48, 128}) {
                QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(window->objectName()));
                QCOMPARE(icon.pixmap(QSize(side, side), 1.0).size(), QSize(side, side));
            }
        };
        checkIcon(menu);
        // The very picture drawn from the menu's SVG, its colours in their places.
        const auto premultiplied = QImage::Format_ARGB32_Premultiplied;
        const QImage drawn(QStringLiteral(QUIVELLE_SOURCE_DIR "/assets/icons/48.png"));
        QCOMPARE(
            menu->windowIcon().pixmap(QSize(48, 48), 1.0).toImage().convertToFormat(premultiplied),
            drawn.convertToFormat(premultiplied));
        QTest::mouseClick(control("cmdInfo"), Qt::LeftButton);
        checkIcon(visibleWindow(QStringLiteral("frmInfo")));
        chooseMode("cmdTe");
        QTest::mouseClick(control("cmdDivisione1"), Qt::LeftButton);
        checkIcon(visibleWindow(QStringLiteral("frmDiv2")));
    }

    void shouldOpenAnOperationFromTheKeyboard() {
        chooseMode("cmdComputer");
        auto *division = control("cmdDivisione1");
        division->setFocus();
        QTest::keyClick(division, Qt::Key_Space);
        QVERIFY(visibleWindow(QStringLiteral("frmDiv")));
        QVERIFY(!menu->isVisible());
    }

    void shouldKeepTheModeAcrossAnExerciseVisit() {
        chooseMode("cmdTe");
        QTest::mouseClick(control("CmdAddizione1"), Qt::LeftButton);
        QWidget *add = visibleWindow(QStringLiteral("frmAdd2"));
        QVERIFY(add);
        auto *exit = add->findChild<QAbstractButton *>(QStringLiteral("cmdExit"));
        QVERIFY(exit);
        QTest::mouseClick(exit, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(menu->isVisible());
        QCOMPARE(int(menu->mode()), 1);
        QVERIFY(handAtTe());
        QVERIFY(!control<QTimer>("Timer1")->isActive());
        QTest::mouseClick(control("CmdSottrazione"), Qt::LeftButton);
        QVERIFY(visibleWindow(QStringLiteral("frmSott2")));
        QVERIFY(!visibleWindow(QStringLiteral("frmAdd2")));
    }

    void shouldSwitchTheSoundOffSilentlyAndOnWithAClick() {
        auto *check = control<QAbstractButton>("Check1");
        QVERIFY(check->isCheckable());
        QVERIFY(!check->isChecked());
        QCOMPARE(check->accessibleName(), QStringLiteral("Suono"));
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(!program->ctx.state.SuonoAttivo);
        QVERIFY(check->isChecked());
        QVERIFY(program->player.cues.isEmpty());

        chooseMode("cmdComputer");
        QTest::mouseClick(control("CmdMoltiplicazione1"), Qt::LeftButton);
        QVERIFY(visibleWindow(QStringLiteral("frmMolt")));
        QVERIFY(program->player.cues.isEmpty());

        menu->show();
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(program->ctx.state.SuonoAttivo);
        QVERIFY(!check->isChecked());
        QCOMPARE(program->player.takeCues(), QList<int>{CueClick});
    }

    void shouldPaintTheSwitchStruckThroughWhenSilent() {
        auto *check = control<QAbstractButton>("Check1");
        auto redPixels = [&] {
            const QImage img = check->grab().toImage();
            int n = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QColor c = img.pixelColor(x, y);
                    n += c.red() > 180 && c.green() < 80 && c.blue() < 80;
                }
            return n;
        };
        QCOMPARE(redPixels(), 0);
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(redPixels() > 20);
    }

    void shouldMoveFocusToTheControlUnderTheMouse_data() {
        QTest::addColumn<QString>("name");
        for (const char *n :
             {"cmdTe", "cmdComputer", "CmdAddizione1", "CmdSottrazione", "CmdMoltiplicazione1",
              "cmdDivisione1", "cmdInfo", "Check1", "cmdEsci"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }
    void shouldMoveFocusToTheControlUnderTheMouse() {
        QFETCH(QString, name);
        chooseMode("cmdComputer");
        control("cmdEsci")->setFocus();
        control("cmdTe")->setFocus();
        QWidget *w = menu->findChild<QWidget *>(name);
        if (w == menu->focusWidget())
            control("cmdEsci")->setFocus();
        QVERIFY(menu->focusWidget() != w);
        QTest::mouseMove(w, QPoint(10, 10));
        QTRY_COMPARE(menu->focusWidget(), w);
    }

    void shouldEndTheProgramSilentlyOnEsci() {
        QTest::mouseClick(control("cmdEsci"), Qt::LeftButton);
        QCOMPARE(exits, 1);
        QVERIFY(program->player.cues.isEmpty());
    }
};

QTEST_MAIN(TestStartMenu)
#include "test_start_menu.moc"
