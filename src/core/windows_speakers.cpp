// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows_speakers.h"

#include <windows.h>

#include <mmsystem.h>

WindowsSpeakers::~WindowsSpeakers() {
    // Stopped before its bytes go.
    PlaySoundA(nullptr, nullptr, 0);
}

void WindowsSpeakers::play(int cue, const QByteArray &clip) {
    (void)cue;
    // The new clip is held before the call and the old one let go after it: the call
    // stops the old clip before it starts the new one, so the bytes being read never go.
    const QByteArray next = clip;
    PlaySoundA(next.isEmpty() ? nullptr : next.constData(), nullptr,
               SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    playing_ = next;
}
