// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console_text.h"

#include <cstdio>

void printForUser(const QString &text, bool error) {
    std::fputs(text.toLocal8Bit().constData(), error ? stderr : stdout);
    std::fflush(error ? stderr : stdout);
}
