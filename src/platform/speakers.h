// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound.h"

#include <memory>

// The platform's speakers, where the program's cues go (tests hand the screens a recorder
// instead). Made once the application exists, and let go before it ends. Each platform has
// its own (speakers_<platform>.cpp in its folder).
std::unique_ptr<SoundPlayer> programSpeakers();
