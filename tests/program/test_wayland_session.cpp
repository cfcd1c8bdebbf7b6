// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The program started in a Wayland session, as a school desktop would start it: Debian's
// weston compositor (headless, so no display is needed) offering an X server through
// XWayland. Skipped where weston, XWayland, Qt's Wayland platform or xwininfo are missing,
// unless QUIVELLE_REQUIRE_DESKTOP_TESTS is set (as in CI).
#include "desktop_children.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/prctl.h>
#include <sys/stat.h>

namespace {
const QString kTitle = QStringLiteral("Operazioni con le quivelle");
const QString kSocket = QStringLiteral("quivelle-check");

QString missingPart() {
    for (const char *tool : {"weston", "Xwayland", "xwininfo"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QString::fromLatin1(tool);
    }
    const QString plugins = QLibraryInfo::path(QLibraryInfo::PluginsPath);
    if (!QFile::exists(plugins + QStringLiteral("/platforms/libqwayland-generic.so")))
        return QStringLiteral("Qt's Wayland platform (qt6-wayland)");
    return {};
}

// The folder of the X servers' sockets. A desktop makes it at boot (systemd-tmpfiles); a
// machine that never ran an X server lacks it, and XWayland then cannot open its socket.
bool makeX11SocketFolder() {
    const char *folder = "/tmp/.X11-unix";
    if (QFile::exists(QString::fromLatin1(folder)))
        return true;
    return ::mkdir(folder, 01777) == 0 && ::chmod(folder, 01777) == 0;
}

} // namespace

class TestWaylandSession : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        const QString missing = missingPart();
        if (!missing.isEmpty()) {
            if (qEnvironmentVariableIsSet("QUIVELLE_REQUIRE_DESKTOP_TESTS"))
                QFAIL(qPrintable(missing + QStringLiteral(" is needed")));
            QSKIP(qPrintable(missing + QStringLiteral(" is missing")));
        }
        QVERIFY(runtime_.isValid());
        QVERIFY2(makeX11SocketFolder(), "cannot make /tmp/.X11-unix for XWayland");
        QFile::setPermissions(runtime_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        weston_ = startChild(QStringLiteral("weston"),
                             {QStringLiteral("--backend=headless-backend.so"),
                              QStringLiteral("--socket=") + kSocket, QStringLiteral("--use-pixman"),
                              QStringLiteral("--idle-time=0"), QStringLiteral("--xwayland")},
                             env);
        // Weston names the X server it offers in its log once its socket is up.
        QByteArray log;
        const QRegularExpression listening(QStringLiteral("listening on display (:\\d+)"));
        const QString socket = runtime_.path() + QLatin1Char('/') + kSocket;
        xDisplay_ = waitForOutput(*weston_, listening, log, [&] { return QFile::exists(socket); });
        QVERIFY2(!xDisplay_.isEmpty(), log.right(3000).constData());
    }

    void cleanupTestCase() { stopChild(weston_.get()); }

    void windowSystemFollowsTheSession_data() {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("chosenPlatform");
        QTest::addColumn<QString>("expected");
        // The X server weston offers, the platform left to the program.
        QTest::newRow("XWayland offered") << "xwayland"
                                          << ""
                                          << "xcb";
        QTest::newRow("the user chose Wayland") << "xwayland"
                                                << "wayland"
                                                << "wayland";
        QTest::newRow("no X server") << ""
                                     << ""
                                     << "wayland";
        // A session whose X server has gone: the program still starts, natively.
        QTest::newRow("X server gone") << "gone"
                                       << ""
                                       << "wayland";
    }

    void windowSystemFollowsTheSession() {
        QFETCH(QString, display);
        QFETCH(QString, chosenPlatform);
        QFETCH(QString, expected);
        if (display == QLatin1String("xwayland"))
            display = xDisplay_;
        else if (display == QLatin1String("gone"))
            display = unusedDisplay();

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), kSocket);
        if (!display.isEmpty())
            env.insert(QStringLiteral("DISPLAY"), display);
        if (!chosenPlatform.isEmpty())
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), chosenPlatform);
        env.insert(QStringLiteral("QUIVELLE_REPORT_SHOWN"), QStringLiteral("1"));

        auto program = startChild(QStringLiteral(QUIVELLE_BINARY_DIR "/quivelle"), {}, env);
        QByteArray output;
        const QRegularExpression shown(QStringLiteral("^shown \\d+ (\\S+)$"),
                                       QRegularExpression::MultilineOption);
        const QString platform = waitForOutput(*program, shown, output, [] { return true; });
        const bool x11Window = expected == QLatin1String("xcb") && hasX11Window(display);
        stopChild(program.get());
        QVERIFY2(!platform.isEmpty(), output.right(3000).constData());
        QCOMPARE(platform, expected);
        if (expected == QLatin1String("xcb"))
            QVERIFY2(x11Window, "no window of the program on XWayland's X server");
    }

  private:
    // Whether the start menu is a window of the X server at display, with the program's
    // window class.
    static bool hasX11Window(const QString &display) {
        QProcess tree;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display);
        tree.setProcessEnvironment(env);
        tree.start(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
        if (!tree.waitForFinished(10000))
            return false;
        const QString windows = QString::fromLocal8Bit(tree.readAllStandardOutput());
        return windows.contains(QLatin1Char('"') + kTitle + QStringLiteral("\": (\"quivelle\""));
    }

    QTemporaryDir runtime_;
    std::unique_ptr<QProcess> weston_;
    QString xDisplay_;
};

QTEST_GUILESS_MAIN(TestWaylandSession)
#include "test_wayland_session.moc"
