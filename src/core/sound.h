// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QStringList>
#include <memory>

struct SharedState;

// The six cues, named by the number of their clip.
enum Cue : int {
    CueCompleted = 101,
    CueClick = 102,
    CueWrong = 103,
    CueNeutral = 104,
    CueRight = 105,
    CueOpened = 106,
};

// Where cues go: the speakers in the program, a recorder in tests.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Starts the clip and returns at once; a new clip cuts off the one playing.
    virtual void play(int cue, const QByteArray &clip) = 0;
    // Gets ready to play without a delay at the first cue. Called once the start menu is on
    // the screen, so the preparation neither slows the start nor the pupil's first click.
    virtual void warmUp() {}
};

// The clip of a cue as built into the program (a whole RIFF WAV file); empty for an
// unknown cue.
QByteArray clipBytes(int cue);

// Plays cue through player, its bytes read into BufferSuono for the call (a player that
// plays on after play() returns keeps its own copy, as QByteArray shares it for free).
// Every caller asks for sound through Suona, which stays silent while the sound switch is off.
void Suona(SharedState &state, SoundPlayer &player, int cue);

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
