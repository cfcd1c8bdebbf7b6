// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as a classroom starts it, on an X server of 1366 x 768 pixels (a school
// laptop) with a window manager: the large screen keeps every window wholly on the
// screen, a second start leaves one copy and brings it back to the front, and a copy that
// crashed does not stop the next start. Skipped where Xvfb, openbox or the X tools are
// missing, unless QUIVELLE_REQUIRE_DESKTOP_TESTS is set (as in CI).
#include "desktop_children.h"
#include "start_layout.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kProgram = QStringLiteral(QUIVELLE_BINARY_DIR "/quivelle");
constexpr QSize kScreen{1366, 768};

QString missingPart() {
    for (const char *tool : {"Xvfb", "openbox", "xdotool", "xwininfo", "xprop"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QString::fromLatin1(tool);
    }
    return {};
}
} // namespace

class TestClassroomDesktop : public QObject {
    Q_OBJECT

    QTemporaryDir runtime_;
    QProcessEnvironment env_;
    std::unique_ptr<QProcess> server_, windowManager_, program_;

    // Runs an X tool on the test's display; its output, or an empty text when it failed.
    QString x(const QString &tool, const QStringList &args) {
        QProcess run;
        run.setProcessEnvironment(env_);
        run.start(tool, args);
        if (!run.waitForFinished(10000) || run.exitCode() != 0)
            return {};
        return QString::fromLocal8Bit(run.readAllStandardOutput()).trimmed();
    }
    // The visible windows of the program whose title is title.
    QStringList windows(const QString &title) {
        return x(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                  QStringLiteral("--name"), QLatin1Char('^') + title + '$'})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QString waitForWindow(const QString &title) {
        for (QDeadlineTimer deadline(15000); !deadline.hasExpired(); QTest::qWait(100)) {
            if (const QStringList found = windows(title); found.size() == 1)
                return found.constFirst();
        }
        return {};
    }
    // The client area on the root window, and the frame around it.
    QRect clientArea(const QString &window) {
        const QString info = x(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window});
        const auto number = [&](const char *label) {
            const QRegularExpression re(QString::fromLatin1(label) +
                                        QStringLiteral(":\\s+(-?\\d+)"));
            return re.match(info).captured(1).toInt();
        };
        return QRect(number("Absolute upper-left X"), number("Absolute upper-left Y"),
                     number("Width"), number("Height"));
    }
    QRect frameOf(const QString &window) {
        const QString extents = x(QStringLiteral("xprop"), {QStringLiteral("-id"), window,
                                                            QStringLiteral("_NET_FRAME_EXTENTS")});
        const auto m =
            QRegularExpression(QStringLiteral("(\\d+), (\\d+), (\\d+), (\\d+)")).match(extents);
        return clientArea(window).adjusted(-m.captured(1).toInt(), -m.captured(3).toInt(),
                                           m.captured(2).toInt(), m.captured(4).toInt());
    }
    void clickAt(const QString &window, QPoint at) {
        x(QStringLiteral("xdotool"),
          {QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(at.x()),
           QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
    }
    std::unique_ptr<QProcess> start(const QStringList &args = {}) {
        return startChild(kProgram, args, env_);
    }

  private slots:
    void initTestCase() {
        if (const QString missing = missingPart(); !missing.isEmpty()) {
            if (qEnvironmentVariableIsSet("QUIVELLE_REQUIRE_DESKTOP_TESTS"))
                QFAIL(qPrintable(missing + QStringLiteral(" is needed")));
            QSKIP(qPrintable(missing + QStringLiteral(" is missing")));
        }
        QVERIFY(runtime_.isValid());
        QFile::setPermissions(runtime_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner);
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        env_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env_.remove(QStringLiteral("WAYLAND_DISPLAY"));
        // The server picks a free display itself and names it on its output once it takes
        // connections: tests running beside this one start X servers of their own.
        server_ = startChild(QStringLiteral("Xvfb"),
                             {QStringLiteral("-displayfd"), QStringLiteral("1"),
                              QStringLiteral("-screen"), QStringLiteral("0"),
                              QStringLiteral("%1x%2x24").arg(kScreen.width()).arg(kScreen.height()),
                              QStringLiteral("-nolisten"), QStringLiteral("tcp")},
                             env_);
        QByteArray log;
        const QString display = waitForOutput(
            *server_,
            QRegularExpression(QStringLiteral("^(\\d+)$"), QRegularExpression::MultilineOption),
            log, [] { return true; });
        QVERIFY2(!display.isEmpty(), log.constData());
        env_.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + display);
        windowManager_ = startChild(QStringLiteral("openbox"), {}, env_);
        const auto managed = [&] {
            return x(QStringLiteral("xprop"),
                     {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                .contains(QStringLiteral("window id"));
        };
        QElapsedTimer waited;
        waited.start();
        bool up = managed();
        for (QDeadlineTimer deadline(30000); !up && !deadline.hasExpired(); up = managed())
            QTest::qWait(50);
        // Should it not come up, what it said and whether it still runs tell why.
        QVERIFY2(up, qPrintable(QStringLiteral("after %1 ms the window manager %2; it said: %3")
                                    .arg(waited.elapsed())
                                    .arg(windowManager_->state() == QProcess::Running
                                             ? QStringLiteral("runs")
                                             : QStringLiteral("has ended"))
                                    .arg(QString::fromLocal8Bit(windowManager_->readAll()))));
    }

    void cleanupTestCase() {
        for (auto *child : {program_.get(), windowManager_.get(), server_.get()})
            stopChild(child);
    }

    // "dal computer", then "Addizione", clicked where a pupil sees them.
    void largeScreenKeepsEveryWindowOnALaptopScreen() {
        program_ = start({QStringLiteral("--schermo-grande")});
        const QString menu = waitForWindow(QStringLiteral("Operazioni con le quivelle"));
        QVERIFY(!menu.isEmpty());
        const QRect screen(QPoint(), kScreen);
        QRect client = clientArea(menu);
        const double factor = client.width() / double(startLayout::client.width());
        QVERIFY2(factor >= 1.25, qPrintable(QString::number(factor)));
        QTRY_VERIFY2(screen.contains(frameOf(menu)), qPrintable(QStringLiteral("%1 %2 %3 %4")
                                                                    .arg(frameOf(menu).x())
                                                                    .arg(frameOf(menu).y())
                                                                    .arg(frameOf(menu).width())
                                                                    .arg(frameOf(menu).height())));
        for (const char *button : {"cmdComputer", "CmdAddizione1"})
            clickAt(menu, (QRectF(startLayout::rectOf(button)).center() * factor).toPoint());
        const QString exercise = waitForWindow(QStringLiteral("Addizione"));
        QVERIFY(!exercise.isEmpty());
        client = clientArea(exercise);
        QVERIFY2(client.width() > 632 * 1.2, qPrintable(QString::number(client.width())));
        QTRY_VERIFY(screen.contains(frameOf(exercise)));
    }

    // Pupils double-click twice: the second start ends at once, and the running copy's
    // window, minimised meanwhile, is back.
    void secondStartBringsTheRunningCopyBack() {
        const QString exercise = waitForWindow(QStringLiteral("Addizione"));
        QVERIFY(!exercise.isEmpty());
        x(QStringLiteral("xdotool"),
          {QStringLiteral("windowminimize"), QStringLiteral("--sync"), exercise});
        QVERIFY(windows(QStringLiteral("Addizione")).isEmpty());
        auto second = start();
        QVERIFY(second->waitForFinished(5000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(waitForWindow(QStringLiteral("Addizione")), exercise);
        QVERIFY(windows(QStringLiteral("Operazioni con le quivelle")).isEmpty());
        QCOMPARE(program_->state(), QProcess::Running);
    }

    void aCrashedCopyDoesNotStopTheNextStart() {
        program_->kill();
        QVERIFY(program_->waitForFinished(5000));
        program_ = start();
        QVERIFY(!waitForWindow(QStringLiteral("Operazioni con le quivelle")).isEmpty());
        QCOMPARE(program_->state(), QProcess::Running);
    }
};

QTEST_GUILESS_MAIN(TestClassroomDesktop)
#include "test_classroom_desktop.moc"
