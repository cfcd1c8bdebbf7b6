// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random_source.h"

#include <chrono>

namespace {
uint64_t clockTicks() {
    return static_cast<uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
} // namespace

ClockRandomSource::ClockRandomSource() : engine_(clockTicks() ^ std::random_device{}()) {}

void ClockRandomSource::reseed() {
    std::seed_seq seq{engine_(), clockTicks()};
    engine_.seed(seq);
}

double ClockRandomSource::next() {
    // 53 random bits make a double that is exactly representable and strictly below 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}
