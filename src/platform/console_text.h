// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Prints text for whoever started the program from a command line: on standard output,
// or on standard error when it says what was wrong. Each platform has its own
// (console_text_<platform>.cpp in its folder).
void printForUser(const QString &text, bool error);
