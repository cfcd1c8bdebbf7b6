// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound.h"

// The speakers of the program in a browser: Web Audio, each clip decoded once.
class WebSpeakers : public SoundPlayer {
  public:
    void play(int cue, const QByteArray &clip) override;
    void warmUp() override;

  private:
    bool opened_ = false;
    bool available_ = false;
};
