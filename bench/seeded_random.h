// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "random_source.h"

#include <random>

// The same problems on every run of a benchmark.
class SeededRandom : public RandomSource {
  public:
    void reseed() override {}
    double next() override { return std::uniform_real_distribution<double>(0, 1)(engine_); }

  private:
    std::mt19937 engine_{20240611};
};
