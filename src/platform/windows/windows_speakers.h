// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound.h"

// The speakers on Windows: the system plays the clip from memory, in the background, and
// a clip it cannot play stays silent rather than ringing the system's default sound. A
// new clip cuts off the one playing.
class WindowsSpeakers : public SoundPlayer {
  public:
    ~WindowsSpeakers() override;
    void play(int cue, const QByteArray &clip) override;

  private:
    // The system reads the clip while it plays, after play() has returned.
    QByteArray playing_;
    // Whether the last clip could not be played: told once, and once when cues play again.
    bool failing_ = false;
};
