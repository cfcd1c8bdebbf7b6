// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The speakers, kept out of the program's start-up: the sound library is loaded only when
// the start menu is up or the first cue plays (see SpeakerPlayer in ../speakers_linux.cpp).
#include "pulse_speakers.h"

#include <memory>

extern "C" Q_DECL_EXPORT SoundPlayer *quivelle_open_speakers() {
    auto speakers = std::make_unique<PulseSpeakers>();
    return speakers->isUsable() ? speakers.release() : nullptr;
}
