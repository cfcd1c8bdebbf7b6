// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up time: an empty Qt Widgets window of the start menu's size,
// reporting its first appearance exactly as the program does (QUIVELLE_REPORT_SHOWN).
#include "exposure_report.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(634, 455);
    ExposureReport::watch(&window);
    window.show();
    return app.exec();
}
