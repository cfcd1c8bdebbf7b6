// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

// Uniform numbers in [0, 1) for the problem draws. Tests substitute a fixed sequence.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // Called before every draw of a fraction: folds fresh clock entropy into the state.
    virtual void reseed() = 0;
    virtual double next() = 0;
};

// The program's generator. Reseeding mixes a nanosecond clock into the running state
// rather than restarting from the clock alone: two reseeds within one clock tick would
// otherwise replay the same numbers, and most problems would be two equal fractions.
class ClockRandomSource : public RandomSource {
  public:
    ClockRandomSource();
    void reseed() override;
    double next() override;

  private:
    std::mt19937_64 engine_;
};
