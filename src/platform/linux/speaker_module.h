// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound.h"

#include <QStringList>
#include <memory>

// The real speakers: the desktop's sound server. The sound library lives in a module of
// its own, loaded once the start menu is up (or at the first cue), so the menu opens
// without waiting for it. With no module found every cue is silent; with no sound server
// a cue is silent too, and a server that comes later is found by the next cue.
class SpeakerPlayer : public SoundPlayer {
  public:
    // Looks for the module beside the program, where it is installed, and then in
    // extraDirs.
    explicit SpeakerPlayer(QStringList extraDirs = {});
    ~SpeakerPlayer() override;
    void play(int cue, const QByteArray &clip) override;
    void warmUp() override { open(); }
    // Whether the first cue found and loaded the module.
    bool moduleLoaded() const { return moduleLoaded_; }

  private:
    SoundPlayer *open();
    QStringList extraDirs_;
    bool opened_ = false;
    bool moduleLoaded_ = false;
    std::unique_ptr<SoundPlayer> speakers_;
};
