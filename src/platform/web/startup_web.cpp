// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include <QByteArray>

// On a touch screen Qt brings up the device's own keyboard whenever a text box takes the
// focus; the program has its own keypad, and the device's keyboard would cover half the
// page. Without an input method the boxes still take every key of a real keyboard.
void prepareBeforeApplication() {
    qputenv("QT_IM_MODULE", "none");
}
