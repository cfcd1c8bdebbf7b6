// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The full-domain plan tests check every problem in an optimised build. Unoptimised, under
// the sanitizers or as WebAssembly every problem costs many times more: there they check
// one in kStride (every size of operand still comes round).

#if defined(__SANITIZE_ADDRESS__) || !defined(__OPTIMIZE__) || defined(__EMSCRIPTEN__)
#define QUIVELLE_SLOW_BUILD 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUIVELLE_SLOW_BUILD 1
#endif
#endif

#ifdef QUIVELLE_SLOW_BUILD
inline constexpr long kStride = 17;
#else
inline constexpr long kStride = 1;
#endif

// What a sweep over the domain found: how many problems it checked, how many disagreed,
// and the first of those.
struct DomainSweep {
    long checked = 0;
    long differing = 0;
    QString first;

    QString report() const {
        return QStringLiteral("%1 problems differ, the first %2").arg(differing).arg(first);
    }
    // Every problem of the domain's one in kStride was checked.
    bool wholeDomain() const { return checked == (99L * 99 * 99 * 99 + kStride - 1) / kStride; }
};

// Asks agrees(n1, d1, n2, d2) of one problem in kStride over every problem with terms from
// 1 to 99.
template <typename Agrees> DomainSweep sweepDomain(Agrees agrees) {
    DomainSweep sweep;
    long index = 0;
    for (int n1 = 1; n1 <= 99; ++n1)
        for (int d1 = 1; d1 <= 99; ++d1)
            for (int n2 = 1; n2 <= 99; ++n2)
                for (int d2 = 1; d2 <= 99; ++d2, ++index) {
                    if (index % kStride != 0)
                        continue;
                    ++sweep.checked;
                    if (!agrees(n1, d1, n2, d2) && sweep.differing++ == 0)
                        sweep.first =
                            QStringLiteral("%1/%2, %3/%4").arg(n1).arg(d1).arg(n2).arg(d2);
                }
    return sweep;
}
