// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logging.h"

// Only warnings would print by default, and the program writes none here: a normal run
// stays silent on the terminal.
Q_LOGGING_CATEGORY(lcSound, "quivelle.sound", QtWarningMsg)
Q_LOGGING_CATEGORY(lcWindow, "quivelle.window", QtWarningMsg)
