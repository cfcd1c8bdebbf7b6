// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen_fit.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kSteps = 20; // factors go in steps of 0.05
constexpr double kLargest = 2;
// In a page, around the windows: a little of the page shows, so that they do not touch
// the browser's edges.
constexpr QMargins kPageMargin{4, 4, 4, 4};
// Never smaller than the program's own size: Qt draws widgets below a scale of 1 as at 1,
// cut off. A phone's page is made wide enough instead (the page's layout viewport).
constexpr double kSmallestOnPage = 1;
constexpr double kLargestOnPage = 3;

// The largest multiple of 0.05 at which client, inside frame, fits available; rounded
// down, so that a window never outgrows the area by a pixel of rounding.
double fittingFactor(QSize available, QSize client, QMargins frame) {
    const double across = double(available.width() - frame.left() - frame.right()) / client.width();
    const double down = double(available.height() - frame.top() - frame.bottom()) / client.height();
    return std::floor(std::min(across, down) * kSteps + 1e-9) / kSteps;
}
} // namespace

double largeScreenFactor(QSize available, QSize client, QMargins frame) {
    if (client.isEmpty() || available.isEmpty())
        return 1;
    return std::clamp(fittingFactor(available, client, frame), 1.0, kLargest);
}

double pageFitFactor(QSize page, QSize client) {
    if (client.isEmpty() || page.isEmpty())
        return 1;
    return std::clamp(fittingFactor(page, client, kPageMargin), kSmallestOnPage, kLargestOnPage);
}

QScreen *screenUnderPointer() {
    if (QScreen *under = QGuiApplication::screenAt(QCursor::pos()))
        return under;
    return QGuiApplication::primaryScreen();
}

double enlargeWindowsToFit(const QScreen *screen, QSize largestClient) {
    if (!screen)
        return 1;
    // The area in Qt's device-independent pixels, the desktop's scaling already applied:
    // at 150 % a 1920 x 1080 screen is 1280 x 720 of them. The frame is drawn by the
    // desktop at its own scaling, so it does not grow with the program's factor.
    const double factor = largeScreenFactor(screen->availableGeometry().size(), largestClient);
    // Qt reads QT_SCALE_FACTOR only as the application starts, before the screens are
    // known; its own scaling takes a factor later, as long as no window exists yet.
    QHighDpiScaling::setGlobalFactor(factor);
    return factor;
}
