// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound.h"
#include "wav_clip.h"

#include <chrono>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// The cues, played from memory through the desktop's sound server (PulseAudio, or
// PipeWire's PulseAudio service).
//
// One connection to the server serves every cue. The server may not be there yet (a
// session that starts the program first) or may go away while the program runs (restarted
// on an update, on a change of output device, when a headset connects): the next cue then
// connects again, so the first cue asked for once the server is back is heard. Each cue
// has a short playback stream of its own, closed when its clip ends or when the next cue
// cuts it off. Nothing here waits for the server: the connection and the streams run on
// the sound library's own thread.
class PulseSpeakers : public SoundPlayer {
  public:
    PulseSpeakers();
    ~PulseSpeakers() override;
    PulseSpeakers(const PulseSpeakers &) = delete;
    PulseSpeakers &operator=(const PulseSpeakers &) = delete;

    // False when the sound library could not start its thread; every cue is then silent.
    bool isUsable() const { return loop_ != nullptr; }

    void play(int cue, const QByteArray &clip) override;
    void warmUp() override;

  private:
    // These run with the loop's lock held, on either thread.
    void connectIfNeeded();
    void startStream();
    void stopStream();
    static void contextChanged(pa_context *context, void *self);
    static void streamChanged(pa_stream *stream, void *self);
    static void streamDrained(pa_stream *stream, int success, void *self);
    // Reports for a technician: the first failure of a kind and the recovery from it, so a
    // pupil clicking without a server does not flood the log.
    void noteServerAway(const char *reason);
    void noteServerBack();
    void noteStreamFailed(const char *reason);

    pa_threaded_mainloop *loop_ = nullptr;
    pa_context *context_ = nullptr;
    pa_stream *stream_ = nullptr;
    // The clip of the last cue; waiting_ while it waits for the connection.
    int cue_ = 0;
    WavClip clip_;
    bool waiting_ = false;
    std::chrono::steady_clock::time_point askedAt_;
    bool serverAway_ = false;
    bool streamsFailing_ = false;
};
