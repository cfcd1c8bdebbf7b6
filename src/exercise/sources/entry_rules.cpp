// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry_rules.h"

#include <limits>

int leadingNumber(std::string_view text) {
    constexpr int limit = std::numeric_limits<int>::max() / 10 - 9;
    int value = 0;
    for (char c : text) {
        if (c == ' ' || c == '\t')
            continue;
        if (c < '0' || c > '9')
            break;
        if (value > limit)
            break;
        value = value * 10 + (c - '0');
    }
    return value;
}

EnteredProblem checkEntries(const EntryTexts &texts) {
    EnteredProblem p;
    for (std::string_view t : texts)
        if (t.empty())
            return p;
    p.num1 = leadingNumber(texts[0]);
    p.den1 = leadingNumber(texts[1]);
    p.num2 = leadingNumber(texts[2]);
    p.den2 = leadingNumber(texts[3]);
    if (p.num1 == 0 || p.den1 == 0 || p.num2 == 0 || p.den2 == 0) {
        p.verdict = StartVerdict::ZeroEntry;
        return p;
    }
    p.verdict = StartVerdict::Accepted;
    return p;
}
