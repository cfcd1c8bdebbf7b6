// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console_text.h"

#include <cstdio>

// In a browser the "console" is the page's developer console, where emscripten sends the
// program's standard output and standard error.
void printForUser(const QString &text, bool error) {
    std::fputs(text.toUtf8().constData(), error ? stderr : stdout);
    std::fflush(error ? stderr : stdout);
}
