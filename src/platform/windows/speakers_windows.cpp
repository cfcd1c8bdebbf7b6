// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speakers.h"

#include "logging.h"
#include "windows_speakers.h"

#include <windows.h>

#include <mmsystem.h>

WindowsSpeakers::~WindowsSpeakers() {
    // Stopped before its bytes go.
    PlaySoundA(nullptr, nullptr, 0);
}

void WindowsSpeakers::play(int cue, const QByteArray &clip) {
    // The new clip is held before the call and the old one let go after it: the call
    // stops the old clip before it starts the new one, so the bytes being read never go.
    const QByteArray next = clip;
    const bool played = PlaySoundA(next.isEmpty() ? nullptr : next.constData(), nullptr,
                                   SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    playing_ = next;
    if (next.isEmpty() || played == !failing_)
        return;
    failing_ = !played;
    if (failing_)
        qCInfo(lcSound, "cue %d could not be played; cues are silent until one plays again", cue);
    else
        qCInfo(lcSound, "cues play again");
}

std::unique_ptr<SoundPlayer> programSpeakers() {
    return std::make_unique<WindowsSpeakers>();
}
