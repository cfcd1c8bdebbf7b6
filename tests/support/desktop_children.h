// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The desktop's parts a test starts as children of its own (a compositor, an X server, a
// window manager, the program itself), each ended with the test.

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <csignal>
#include <memory>
#include <sys/prctl.h>

// A display number with no X server behind it.
inline QString unusedDisplay() {
    for (int n = 240;; ++n) {
        if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) &&
            !QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            return QStringLiteral(":%1").arg(n);
    }
}

inline std::unique_ptr<QProcess> startChild(const QString &program, const QStringList &args,
                                            const QProcessEnvironment &env) {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::MergedChannels);
    // Ends with the test, even when a failed test aborts it.
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process->start(program, args);
    return process;
}

// Reads process's output into log until pattern matches it, with ready(match) also true,
// for up to 20 seconds: the first capture, or an empty text when the process ended or the
// time ran out.
template <typename Ready>
inline QString waitForOutput(QProcess &process, const QRegularExpression &pattern, QByteArray &log,
                             Ready ready) {
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired() && process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(100);
        log += process.readAll();
        const auto match = pattern.match(QString::fromLocal8Bit(log));
        if (match.hasMatch() && ready())
            return match.captured(1);
    }
    return {};
}

inline void stopChild(QProcess *process) {
    if (!process || process->state() == QProcess::NotRunning)
        return;
    process->terminate();
    if (!process->waitForFinished(5000)) {
        process->kill();
        process->waitForFinished(2000);
    }
}
