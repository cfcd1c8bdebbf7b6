// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app_context.h"
#include "random_source.h"

#include <QByteArray>
#include <QList>
#include <deque>

// Records the cues that would have reached the speakers, and the bytes of the last one.
class RecordingPlayer : public SoundPlayer {
  public:
    void play(int cue, const QByteArray &clip) override {
        cues.append(cue);
        lastClip = clip;
    }
    void warmUp() override { ++warmUps; }
    QList<int> takeCues() {
        QList<int> out = cues;
        cues.clear();
        return out;
    }
    QList<int> cues;
    QByteArray lastClip;
    int warmUps = 0;
};

// Replays the numbers it is given (then 0.0); counts the reseeds it was asked for.
class ScriptedRandom : public RandomSource {
  public:
    void reseed() override { ++reseeds; }
    double next() override {
        if (script.empty())
            return 0.0;
        const double v = script.front();
        script.pop_front();
        return v;
    }
    std::deque<double> script;
    int reseeds = 0;
};

// A fresh program run wired to the recorder and the scripted draws.
struct TestProgram {
    RecordingPlayer player;
    ScriptedRandom random;
    AppContext ctx;
    TestProgram() {
        ctx.sound = &player;
        ctx.random = &random;
    }
};
