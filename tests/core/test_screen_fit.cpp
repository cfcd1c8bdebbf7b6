// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The size of the large screen and the screen each window opens on. The table checks the
// factor for the screens schools have; the program itself runs on Qt's offscreen platform
// with two screens side by side, a laptop at 100 % and a whiteboard at 150 %, as a
// teacher's desk has them.
#include "screen_fit.h"
#include "start_menu.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QScreen>
#include <QTemporaryFile>
#include <QTest>
#include <QWindow>

namespace {
constexpr QSize kMenu{634, 455};
constexpr QRect kLaptop{0, 0, 1366, 768};
constexpr QRect kWhiteboard{1366, 0, 1920, 1080}; // 150 %: 1280 x 720 of Qt's pixels

QScreen *screenNamed(const QString &name) {
    for (QScreen *s : QGuiApplication::screens())
        if (s->name() == name)
            return s;
    qFatal("no screen %s", qPrintable(name));
}

QWidget *visibleWindow(const QString &name) {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

// Where a pupil drags a window. Moved by its frame, a window on Qt's offscreen platform
// keeps the screen it was on; moved by its client area, it takes the screen it lands on,
// as windows on a desktop do.
void drag(QWidget *window, const QString &screen) {
    const QPoint to = screenNamed(screen)->availableGeometry().topLeft() + QPoint(20, 40);
    window->windowHandle()->setGeometry(QRect(to, window->size()));
}

void click(QWidget *window, const char *name) {
    QVERIFY(window);
    auto *button = window->findChild<QAbstractButton *>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

// The whole frame on the screen, and drawn at factor times the desktop's scale.
void checkOnScreen(QWidget *window, const QString &screen, double factor) {
    QVERIFY(window);
    QCOMPARE(window->screen()->name(), screen);
    const QRect area = window->screen()->availableGeometry();
    QVERIFY2(area.contains(window->frameGeometry()),
             qPrintable(QStringLiteral("%1 frame %2,%3 %4x%5 off %6x%7")
                            .arg(window->objectName())
                            .arg(window->frameGeometry().x())
                            .arg(window->frameGeometry().y())
                            .arg(window->frameGeometry().width())
                            .arg(window->frameGeometry().height())
                            .arg(area.width())
                            .arg(area.height())));
    const double desktopScale = screen == QLatin1String("whiteboard") ? 1.5 : 1.0;
    QVERIFY2(qAbs(window->devicePixelRatioF() - factor * desktopScale) < 0.001,
             qPrintable(QString::number(window->devicePixelRatioF())));
}
} // namespace

class TestScreenFit : public QObject {
    Q_OBJECT
    TestProgram program;
    double factor = 0;

  private slots:
    // A screen at the desktop's scaling, with or without a taskbar (40 of the desktop's
    // pixels, as on Windows): the factor, and that the menu in its frame fits at it but
    // not a step larger, unless it is already twice the size.
    void factorFitsTheMenuOnTheScreen_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("taskbar");
        QTest::addColumn<double>("factor");
        const struct {
            QSize screen;
            double factors[4][2]; // 100/125/150/200 %, without and with a taskbar
        } rows[] = {
            {{1366, 768}, {{1.55, 1.45}, {1.20, 1.15}, {1.00, 1.00}, {1.00, 1.00}}},
            {{1920, 1080}, {{2.00, 2.00}, {1.75, 1.70}, {1.45, 1.35}, {1.05, 1.00}}},
            {{3840, 2160}, {{2.00, 2.00}, {2.00, 2.00}, {2.00, 2.00}, {2.00, 2.00}}},
        };
        const int percents[] = {100, 125, 150, 200};
        for (const auto &row : rows)
            for (int p = 0; p < 4; ++p)
                for (int bar = 0; bar < 2; ++bar)
                    QTest::addRow("%dx%d at %d%%%s", row.screen.width(), row.screen.height(),
                                  percents[p], bar ? " with a taskbar" : "")
                        << row.screen << percents[p] << bool(bar) << row.factors[p][bar];
    }
    void factorFitsTheMenuOnTheScreen() {
        QFETCH(QSize, screen);
        QFETCH(int, percent);
        QFETCH(bool, taskbar);
        QFETCH(double, factor);
        const double scale = percent / 100.0;
        const QSize available(qRound(screen.width() / scale),
                              qRound(screen.height() / scale) - (taskbar ? 40 : 0));
        const double chosen = largeScreenFactor(available, kMenu);
        QCOMPARE(chosen, factor);
        const auto fits = [&](double f) {
            const QSize framed = (QSizeF(kMenu) * f).toSize().grownBy(kFrameAllowance);
            return framed.width() <= available.width() && framed.height() <= available.height();
        };
        QVERIFY(chosen == 1 || fits(chosen));
        QVERIFY(chosen == 2 || !fits(chosen + 0.05));
    }

    // A browser's page, from a phone's (which the page widens to the program's size) to a
    // wall screen: the program grows up to three times, never shrinks.
    void pageFactorFitsTheMenuOnThePage_data() {
        QTest::addColumn<QSize>("page");
        QTest::addColumn<double>("factor");
        QTest::newRow("phone upright, widened") << QSize(642, 1141) << 1.0;
        QTest::newRow("phone sideways, widened") << QSize(823, 463) << 1.0;
        QTest::newRow("laptop browser") << QSize(1280, 800) << 1.70;
        QTest::newRow("whiteboard browser") << QSize(1920, 1080) << 2.35;
        QTest::newRow("wall screen") << QSize(3840, 2160) << 3.0;
        QTest::newRow("smaller than the program") << QSize(100, 100) << 1.0;
    }
    void pageFactorFitsTheMenuOnThePage() {
        QFETCH(QSize, page);
        QFETCH(double, factor);
        const double chosen = pageFitFactor(page, kMenu);
        QCOMPARE(chosen, factor);
        const auto fits = [&](double f) {
            // A few pixels of the page show all round.
            const QSize scaled = (QSizeF(kMenu) * f).toSize().grownBy({4, 4, 4, 4});
            return scaled.width() <= page.width() && scaled.height() <= page.height();
        };
        QVERIFY(page.width() < 642 || fits(chosen));
        QVERIFY(chosen == 3.0 || !fits(chosen + 0.05));
    }

    void startMenuOpensUnderThePointerAsLargeAsItFits() {
        QCursor::setPos(kWhiteboard.center());
        QWidget *menu = openStartMenu(program.ctx, true);
        factor = largeScreenFactor(QSize(1280, 720), largestClientArea());
        QCOMPARE(factor, 1.45);
        checkOnScreen(menu, QStringLiteral("whiteboard"), factor);
    }

    // Moved to the other screen, the menu opens each window there; Esci brings the pupil
    // back to the menu on the screen the exercise was on.
    void windowsOpenOnTheScreenOfTheWindowThatOpenedThem() {
        QWidget *menu = visibleWindow(QStringLiteral("frmStart"));
        QVERIFY(menu);
        click(menu, "cmdComputer");
        click(menu, "CmdAddizione1");
        QWidget *exercise = visibleWindow(QStringLiteral("frmAdd"));
        checkOnScreen(exercise, QStringLiteral("whiteboard"), factor);

        click(exercise, "cmdExit");
        QVERIFY(visibleWindow(QStringLiteral("frmStart")));
        drag(menu, QStringLiteral("laptop"));
        QCOMPARE(menu->screen()->name(), QStringLiteral("laptop"));
        click(menu, "cmdInfo");
        checkOnScreen(visibleWindow(QStringLiteral("frmInfo")), QStringLiteral("laptop"), factor);
        click(visibleWindow(QStringLiteral("frmInfo")), "cmdOK");
        click(menu, "CmdSottrazione");
        exercise = visibleWindow(QStringLiteral("frmSott"));
        checkOnScreen(exercise, QStringLiteral("laptop"), factor);

        drag(exercise, QStringLiteral("whiteboard"));
        QCOMPARE(exercise->screen()->name(), QStringLiteral("whiteboard"));
        click(exercise, "cmdExit");
        checkOnScreen(visibleWindow(QStringLiteral("frmStart")), QStringLiteral("whiteboard"),
                      factor);
    }
};

int main(int argc, char *argv[]) {
    QTemporaryFile config(QStringLiteral("screens-XXXXXX.json")); // in the working folder
    if (!config.open())
        qFatal("no temporary file");
    const auto screen = [](const char *name, QRect r, int dpi) {
        return QStringLiteral(R"({"name": "%1", "x": %2, "y": %3, "width": %4, "height": %5,
                                  "logicalDpi": %6})")
            .arg(QLatin1String(name))
            .arg(r.x())
            .arg(r.y())
            .arg(r.width())
            .arg(r.height())
            .arg(dpi);
    };
    config.write(QStringLiteral(R"({"screens": [%1, %2]})")
                     .arg(screen("laptop", kLaptop, 96), screen("whiteboard", kWhiteboard, 144))
                     .toUtf8());
    config.flush();
    // Relative, since the platform's options end at a colon, as in a Windows drive's name.
    qputenv("QT_QPA_PLATFORM",
            "offscreen:configfile=" +
                QFile::encodeName(QDir::current().relativeFilePath(config.fileName())));
    QApplication app(argc, argv);
    TestScreenFit test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_screen_fit.moc"
