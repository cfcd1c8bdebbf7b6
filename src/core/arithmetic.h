// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The integer routines of the shared core. CalcolaMCD and CalcolaMcm once left their
// results in the shared variables MCD and mcm, read by the caller's next line;
// here they return them, under those names, and keep nothing between calls.

// Greatest common divisor of a and b, returned (MCD). The arguments are the loop's working
// variables and are overwritten: afterwards a holds the last dividend and b the divisor (MCD),
// so callers pass copies. A zero divisor gives 0 instead of trapping.
long CalcolaMCD(long &a, long &b);

// CalcolaMCD(a, b), then the least common multiple of the two denominators OpMcm1 and
// OpMcm2, returned (mcm). The caller passes copies of OpMcm1 and OpMcm2 as a and b; as in
// CalcolaMCD they come back overwritten, b holding MCD. 0 when MCD is 0.
long CalcolaMcm(long &a, long &b, long OpMcm1, long OpMcm2);

// The way every step calls them, on copies of the values it read, so nothing it holds is
// overwritten: the greatest common divisor of a and b, and the least common multiple of the
// two denominators OpMcm1 and OpMcm2.
inline long mcdOf(long a, long b) {
    return CalcolaMCD(a, b);
}
inline long mcmOf(long OpMcm1, long OpMcm2) {
    long a = OpMcm1, b = OpMcm2;
    return CalcolaMcm(a, b, OpMcm1, OpMcm2);
}

// n1/d1 < n2/d2 for positive denominators, compared exactly by cross-multiplying.
bool fractionLess(long n1, long d1, long n2, long d2);
