// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "arithmetic.h"

#include <cstdlib>

long CalcolaMCD(long &a, long &b) {
    a = std::labs(a);
    b = std::labs(b);
    if (b == 0)
        return 0;
    long r = a % b;
    while (r > 0) {
        a = b;
        b = r;
        r = a % b;
    }
    const long MCD = b;
    return MCD;
}

long CalcolaMcm(long &a, long &b, long OpMcm1, long OpMcm2) {
    const long MCD = CalcolaMCD(a, b);
    if (MCD == 0)
        return 0;
    const long mcm = (std::labs(OpMcm1) * std::labs(OpMcm2)) / MCD;
    return mcm;
}

bool fractionLess(long n1, long d1, long n2, long d2) {
    return n1 * d2 < n2 * d1;
}
