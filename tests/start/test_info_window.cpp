// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "info_window.h"
#include "start_menu.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWindow>
#include <memory>

namespace {
QList<InfoWindow *> openInfoWindows() {
    QList<InfoWindow *> open;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *info = qobject_cast<InfoWindow *>(w); info && w->isVisible())
            open.append(info);
    return open;
}

int liveInfoWindows() {
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += qobject_cast<InfoWindow *>(w) != nullptr;
    return n;
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
} // namespace

class TestInfoWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    StartMenu *menu = nullptr;

    QWidget *cmdInfo() { return menu->findChild<QWidget *>(QStringLiteral("cmdInfo")); }
    InfoWindow *openInfo() {
        QTest::mouseClick(cmdInfo(), Qt::LeftButton);
        const QList<InfoWindow *> open = openInfoWindows();
        return open.size() == 1 ? open.first() : nullptr;
    }

  private slots:
    void init() {
        program = std::make_unique<TestProgram>();
        menu = qobject_cast<StartMenu *>(openStartMenu(program->ctx));
        QVERIFY(menu);
        menu->setExitAction([] {});
        QVERIFY(QTest::qWaitForWindowActive(menu));
    }
    void cleanup() {
        delete menu;
        menu = nullptr;
        settle();
        QCOMPARE(liveInfoWindows(), 0);
        program.reset();
    }

    void shouldOpenOverTheStartMenuWithAClick() {
        InfoWindow *info = openInfo();
        QVERIFY(info);
        QCOMPARE(program->player.takeCues(), QList<int>{CueClick});
        QVERIFY(menu->isVisible());
        QCOMPARE(info->objectName(), QStringLiteral("frmInfo"));
        QCOMPARE(info->windowTitle(), QStringLiteral("Info"));
        QCOMPARE(info->size(), QSize(544, 386));
        QVERIFY(info->windowFlags() & Qt::WindowStaysOnTopHint);
        auto *ok = info->findChild<QAbstractButton *>(QStringLiteral("cmdOK"));
        QVERIFY(ok);
        QCOMPARE(ok->geometry(), QRect(224, 340, 93, 37));
        QCOMPARE(ok->accessibleName(), QStringLiteral("OK"));
        QCOMPARE(info->font().family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(info->font().pointSizeF(), 12.0);
    }

    void shouldPaintTheLinesInDarkBlueOnPaleYellow() {
        InfoWindow *info = openInfo();
        QVERIFY(info);
        QCOMPARE(InfoWindow::printedLines().value(2), QStringLiteral("    Buon lavoro da:"));
        QVERIFY(InfoWindow::printedLines().value(5).startsWith(QStringLiteral("    e-mail: ")));
        QVERIFY(QTest::qWaitForWindowExposed(info));
        const QImage img = info->grab().toImage();
        // The picture is in device pixels: more of them than the window's own where the
        // program is drawn larger (a large screen, a browser's page).
        const qreal dpr = img.devicePixelRatio();
        const int lineHeight = qRound(QFontMetrics(info->font()).height() * dpr);
        auto inkRows = [&](int top, int bottom) {
            int rows = 0;
            for (int y = top; y < bottom; ++y)
                for (int x = 0; x < qRound(300 * dpr); ++x) {
                    const QColor c = img.pixelColor(x, y);
                    if (c.blue() > 60 && c.red() < 90 && c.green() < 90) {
                        ++rows;
                        break;
                    }
                }
            return rows;
        };
        QCOMPARE(img.pixelColor(5, 5).lightness() > 200 && img.pixelColor(5, 5).blue() < 230, true);
        // Nothing on the two empty lines; ink on each of the four text lines; and the
        // four leading blanks keep the left margin clear.
        QCOMPARE(inkRows(0, 2 * lineHeight), 0);
        for (int line = 2; line < 6; ++line)
            QVERIFY2(inkRows(line * lineHeight, (line + 1) * lineHeight) > 0,
                     qPrintable(QString::number(line)));
        for (int y = 2 * lineHeight; y < 6 * lineHeight; ++y)
            for (int x = 0; x < qRound(8 * dpr); ++x)
                QVERIFY(img.pixelColor(x, y).lightness() > 200);
    }

    void shouldCloseOnOk_data() {
        QTest::addColumn<bool>("sound");
        QTest::addColumn<QList<int>>("cues");
        QTest::newRow("sound on") << true << QList<int>{CueClick};
        QTest::newRow("sound off") << false << QList<int>{};
    }
    void shouldCloseOnOk() {
        QFETCH(bool, sound);
        QFETCH(QList<int>, cues);
        QPointer<InfoWindow> info = openInfo();
        QVERIFY(info);
        program->ctx.state.SuonoAttivo = sound;
        program->player.cues.clear();
        QTest::mouseClick(info->findChild<QWidget *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QCOMPARE(program->player.takeCues(), cues);
        QVERIFY(!info || !info->isVisible());
        settle();
        QVERIFY(!info);
        QVERIFY(menu->isVisible());
    }

    void shouldCloseWhenTheStartMenuIsClicked_data() {
        QTest::addColumn<bool>("sound");
        QTest::addColumn<QString>("target");
        QTest::addColumn<Qt::MouseButton>("mouse");
        QTest::addColumn<QList<int>>("cues");
        QTest::newRow("background, sound on")
            << true << "" << Qt::LeftButton << QList<int>{CueClick};
        QTest::newRow("background, sound off") << false << "" << Qt::LeftButton << QList<int>{};
        QTest::newRow("title, right button")
            << true << "Label6" << Qt::RightButton << QList<int>{CueClick};
        QTest::newRow("sound switch, sound on")
            << true << "Check1" << Qt::LeftButton << QList<int>{CueClick};
    }
    void shouldCloseWhenTheStartMenuIsClicked() {
        QFETCH(bool, sound);
        QFETCH(QString, target);
        QFETCH(Qt::MouseButton, mouse);
        QFETCH(QList<int>, cues);
        QPointer<InfoWindow> info = openInfo();
        QVERIFY(info);
        program->ctx.state.SuonoAttivo = sound;
        program->player.cues.clear();
        QWidget *where = target.isEmpty() ? menu : menu->findChild<QWidget *>(target);
        QVERIFY(where);
        QTest::mousePress(where, mouse, {}, QPoint(5, 5));
        // The window goes with the press, before the press's own control reacts.
        QCOMPARE(program->player.cues, cues);
        QTest::mouseRelease(where, mouse, {}, QPoint(5, 5));
        settle();
        QVERIFY(!info);
        QVERIFY(menu->isVisible());
    }

    void shouldStayOpenWhenClickedItself() {
        QPointer<InfoWindow> info = openInfo();
        QVERIFY(info);
        program->player.cues.clear();
        QTest::mouseClick(info, Qt::LeftButton, {}, QPoint(100, 100));
        settle();
        QVERIFY(info && info->isVisible());
        QVERIFY(program->player.cues.isEmpty());
    }

    void shouldCloseOnlyWhenAnotherProgramWindowTakesOver_data() {
        QTest::addColumn<QStringList>("activations");
        QTest::addColumn<bool>("closed");
        // "none" is no window of the program: the pupil switched to another application.
        QTest::newRow("menu before info was ever active") << QStringList{"menu"} << false;
        QTest::newRow("info, then menu") << QStringList{"info", "menu"} << true;
        QTest::newRow("info, then another application") << QStringList{"info", "none"} << false;
        QTest::newRow("info, another application, back to menu")
            << QStringList{"info", "none", "menu"} << true;
    }
    void shouldCloseOnlyWhenAnotherProgramWindowTakesOver() {
        QFETCH(QStringList, activations);
        QFETCH(bool, closed);
        // Activations come from the window system at its own pace; here they are fed in
        // the order given, so one still on its way when the window opened can be replayed.
        QPointer<InfoWindow> info = new InfoWindow(program->ctx, menu);
        info->winId();
        program->player.cues.clear();
        for (const QString &a : activations) {
            QWindow *w = a == QLatin1String("menu")   ? menu->windowHandle()
                         : a == QLatin1String("info") ? info->windowHandle()
                                                      : nullptr;
            emit qApp->focusWindowChanged(w);
        }
        QCOMPARE(info->isDismissed(), closed);
        QCOMPARE(program->player.cues, closed ? QList<int>{CueClick} : QList<int>{});
        settle();
        QCOMPARE(info.isNull(), closed);
        delete info.data();
    }

    void shouldKeepOneWindowWhenInfoIsPressedTwice() {
        QPointer<InfoWindow> first = openInfo();
        QVERIFY(first);
        program->player.cues.clear();
        QTest::mouseClick(cmdInfo(), Qt::LeftButton);
        // The press on the start menu closes the open window, the click opens a fresh one.
        QCOMPARE(program->player.takeCues(), (QList<int>{CueClick, CueClick}));
        settle();
        QVERIFY(!first);
        QCOMPARE(openInfoWindows().size(), 1);
        QCOMPARE(liveInfoWindows(), 1);
    }

    void shouldKeepOneWindowWhenInfoIsPressedFromTheKeyboard() {
        QPointer<InfoWindow> first = openInfo();
        QVERIFY(first);
        QTest::keyClick(cmdInfo(), Qt::Key_Space);
        settle();
        QVERIFY(!first);
        QCOMPARE(openInfoWindows().size(), 1);
        QCOMPARE(menu->infoWindow(), openInfoWindows().first());
    }
};

QTEST_MAIN(TestInfoWindow)
#include "test_info_window.moc"
