// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shared_state.h"

#include <QString>
#include <cstdlib>

void SharedState::CalcolaMCD(long &a, long &b) {
    a = std::labs(a);
    b = std::labs(b);
    if (b == 0) {
        MCD = 0;
        return;
    }
    long r = a % b;
    while (r > 0) {
        a = b;
        b = r;
        r = a % b;
    }
    MCD = b;
}

void SharedState::CalcolaMcm(long &a, long &b) {
    CalcolaMCD(a, b);
    if (MCD == 0) {
        mcm = 0;
        return;
    }
    mcm = (std::labs(OpMcm1) * std::labs(OpMcm2)) / MCD;
}

QString counterText(int value) {
    return QLatin1Char(' ') + QString::number(value);
}
