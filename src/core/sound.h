// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

struct AppContext;

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

// Plays cue through the program's player, its bytes read into BufferSuono for the call (a
// player that plays on after play() returns keeps its own copy, as QByteArray shares it for
// free). Every cue of the program goes through Suona, which stays silent while the sound
// switch is off or there is no player.
void Suona(const AppContext &ctx, int cue);
