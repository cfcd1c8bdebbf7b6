// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>

// For start-up measurements (bench/startup) and the desktop checks: with
// QUIVELLE_REPORT_SHOWN set, prints the wall-clock time (nanoseconds since the epoch) once
// window has first been put on the screen, and the window system Qt runs on ("xcb",
// "wayland", ...); with the value "quit" the program then ends. Header-only, so the bare window
// the benchmark compares with reports in exactly the same way without linking the program.
class ExposureReport : public QObject {
  public:
    static void watch(QWidget *window) {
        if (!qEnvironmentVariableIsSet("QUIVELLE_REPORT_SHOWN"))
            return;
        window->winId(); // creates the native window, so its first exposure can be watched
        new ExposureReport(window->windowHandle());
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *window = static_cast<QWindow *>(watched);
        if (event->type() == QEvent::Expose && window->isExposed()) {
            window->removeEventFilter(this);
            // Queued, so the line comes after the window has painted its first frame.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    const auto now = std::chrono::system_clock::now().time_since_epoch();
                    std::printf("shown %lld %s\n",
                                static_cast<long long>(std::chrono::nanoseconds(now).count()),
                                qPrintable(QGuiApplication::platformName()));
                    std::fflush(stdout);
                    if (qgetenv("QUIVELLE_REPORT_SHOWN") == "quit")
                        QCoreApplication::exit(0);
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

  private:
    explicit ExposureReport(QWindow *window) : QObject(window) { window->installEventFilter(this); }
};
