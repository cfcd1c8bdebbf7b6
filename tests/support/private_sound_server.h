// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A PulseAudio server of the test's own, with one null sink whose monitor can be recorded,
// so a cue can be heard without a sound card. The server and the programs that talk to it
// (this process, pactl, parec) share a private runtime folder and cookie, so a desktop's
// own server is never touched. Header-only: the sound test and the latency benchmark both
// use it.

#include "spawned_child.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <memory>

class PrivateSoundServer {
  public:
    // Whether pulseaudio, pactl and parec are installed.
    static bool toolsInstalled() {
        for (const char *tool : {"pulseaudio", "pactl", "parec"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                return false;
        }
        return true;
    }

    // Points this process's sound library at the private folder; call before anything
    // connects to a sound server.
    PrivateSoundServer() {
        const QString root = dir_.path();
        QDir().mkpath(root + QStringLiteral("/runtime"));
        QFile::setPermissions(root + QStringLiteral("/runtime"), QFileDevice::ReadOwner |
                                                                     QFileDevice::WriteOwner |
                                                                     QFileDevice::ExeOwner);
        QDir().mkpath(root + QStringLiteral("/home/.config/pulse"));
        // Nothing may start a server of its own when ours is down (autospawn).
        QFile conf(root + QStringLiteral("/client.conf"));
        if (conf.open(QIODevice::WriteOnly))
            conf.write("autospawn = no\n");
        conf.close();
        for (const char *name : {"PULSE_SINK", "PULSE_SOURCE", "PULSE_RUNTIME_PATH",
                                 "PULSE_STATE_PATH", "PULSE_COOKIE"})
            qunsetenv(name);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root + QStringLiteral("/runtime")));
        // Named outright, so no desktop's server is found instead (through the X root
        // window's properties or the system-wide socket).
        qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") + root +
                                                  QStringLiteral("/runtime/pulse/native")));
        qputenv("HOME", QFile::encodeName(root + QStringLiteral("/home")));
        qputenv("PULSE_CLIENTCONFIG", QFile::encodeName(root + QStringLiteral("/client.conf")));
    }

    ~PrivateSoundServer() {
        stopRecording();
        stop();
    }

    PrivateSoundServer(const PrivateSoundServer &) = delete;
    PrivateSoundServer &operator=(const PrivateSoundServer &) = delete;

    // Starts the server and waits until it answers; false (with the reason in error())
    // when it does not within the time given.
    bool start(int timeoutMs = 10000) {
        stop();
        server_ = std::make_unique<SpawnedChild>(
            QStringLiteral("pulseaudio"),
            QStringList{QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                        QStringLiteral("--disallow-exit"), QStringLiteral("--realtime=no"),
                        QStringLiteral("--high-priority=no"), QStringLiteral("--log-target=stderr"),
                        QStringLiteral("-n"),
                        QStringLiteral("--load=module-null-sink sink_name=null"),
                        QStringLiteral("--load=module-native-protocol-unix")},
            serverLog());
        const QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            if (!server_->isRunning()) {
                error_ = QStringLiteral("pulseaudio ended: ") + tail(serverLog());
                return false;
            }
            if (runTool({QStringLiteral("info")}))
                return runTool({QStringLiteral("set-default-sink"), QStringLiteral("null")});
            QThread::msleep(50);
        }
        error_ = QStringLiteral("pulseaudio did not answer in time");
        return false;
    }

    // Ends the server (as a desktop does on a restart) and waits until it is gone.
    void stop() {
        if (!server_)
            return;
        server_->terminate();
        if (!server_->waitForFinished(5000)) {
            server_->kill();
            server_->waitForFinished(2000);
        }
        server_.reset();
        QFile::remove(dir_.path() + QStringLiteral("/runtime/pulse/native"));
    }

    bool isRunning() const { return server_ && server_->isRunning(); }

    // Records the null sink's monitor with parec (8-bit unsigned, mono, 22050 Hz) into
    // recorded(); returns once the first samples have arrived, or false after timeoutMs.
    // An idle null sink renders in blocks of two seconds, so parec's first samples would
    // come that late: the sink is woken until they come.
    bool startRecording(int timeoutMs = 5000) {
        stopRecording();
        recorded_.clear();
        const QString log = dir_.path() + QStringLiteral("/parec.log");
        recorder_ = std::make_unique<SpawnedChild>(
            QStringLiteral("parec"),
            QStringList{QStringLiteral("-d"), QStringLiteral("null.monitor"),
                        QStringLiteral("--format=u8"), QStringLiteral("--rate=22050"),
                        QStringLiteral("--channels=1"), QStringLiteral("--raw"),
                        QStringLiteral("--latency-msec=10")},
            log, true);
        heard_ = std::make_unique<QSocketNotifier>(recorder_->outputFd(), QSocketNotifier::Read);
        QObject::connect(heard_.get(), &QSocketNotifier::activated, heard_.get(),
                         [this] { recorded_ += recorder_->readOutput(); });
        const QDeadlineTimer deadline(timeoutMs);
        QElapsedTimer sinceWake;
        while (recorded_.isEmpty() && !deadline.hasExpired()) {
            if (!sinceWake.isValid() || sinceWake.elapsed() > 500) {
                wakeSink();
                sinceWake.start();
            }
            if (!recorder_->isRunning()) {
                error_ = QStringLiteral("parec ended: ") + tail(log);
                return false;
            }
            recorder_->waitForOutput(50);
            recorded_ += recorder_->readOutput();
        }
        if (recorded_.isEmpty())
            error_ = QStringLiteral("parec delivered nothing in time");
        return !recorded_.isEmpty();
    }

    // Makes the idle null sink render at once, at the latency its listeners ask for,
    // instead of at the end of its current two-second block.
    void wakeSink() {
        runTool({QStringLiteral("suspend-sink"), QStringLiteral("null"), QStringLiteral("1")});
        runTool({QStringLiteral("suspend-sink"), QStringLiteral("null"), QStringLiteral("0")});
    }

    void stopRecording() {
        if (!recorder_)
            return;
        heard_.reset();
        recorder_.reset(); // kills parec
    }

    // Everything parec has delivered so far (the event loop must run to collect it).
    const QByteArray &recorded() const { return recorded_; }
    static constexpr int kRecordingRate = 22050;
    static constexpr int kSilence = 128;

    QString error() const { return error_; }

  private:
    QString serverLog() const { return dir_.path() + QStringLiteral("/pulseaudio.log"); }

    static QString tail(const QString &log) {
        QFile file(log);
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll().right(2000))
                                              : QString();
    }

    // Runs pactl with args; true when it succeeded.
    bool runTool(const QStringList &args) {
        SpawnedChild tool(QStringLiteral("pactl"), args);
        return tool.waitForFinished(5000) && tool.succeeded();
    }

    QTemporaryDir dir_;
    std::unique_ptr<SpawnedChild> server_;
    std::unique_ptr<SpawnedChild> recorder_;
    std::unique_ptr<QSocketNotifier> heard_;
    QByteArray recorded_;
    QString error_;
};
