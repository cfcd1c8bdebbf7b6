// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shared_state.h"
#include "sound.h"

class RandomSource;

// What the screens are handed: the shared state of this run, and the two seams through
// which the program meets the outside world (speakers, randomness).
struct AppContext {
    SharedState state;
    SoundPlayer *sound = nullptr;
    RandomSource *random = nullptr;
};
