// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <algorithm>

// The benchmarks' main: an application, then run(count) played from inside its event loop,
// as the program runs; count is the first argument, defaultCount without one. Returns
// run's status.
template <typename Run> int runInEventLoop(int argc, char *argv[], int defaultCount, Run run) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int count = args.size() > 1 ? std::max(1, args[1].toInt()) : defaultCount;
    int result = 0;
    QTimer::singleShot(0, &app, [&] {
        result = run(count);
        QCoreApplication::exit(result);
    });
    app.exec();
    return result;
}
