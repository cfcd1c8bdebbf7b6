// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speakers.h"

#include "web_speakers.h"

std::unique_ptr<SoundPlayer> programSpeakers() {
    return std::make_unique<WebSpeakers>();
}
