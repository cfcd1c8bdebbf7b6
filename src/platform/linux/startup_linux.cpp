// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include <QByteArray>

// Natively on Wayland no window can keep itself above the others, and Qt draws a title bar
// of its own with a close button. Through the desktop's X server (XWayland, whose address
// is in DISPLAY) every window keeps the behaviour it has on an X11 desktop: above the
// others, with no close button. A platform the user chose is kept; should the X server not
// answer, Qt goes on to Wayland.
void prepareBeforeApplication() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}
