// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pulse_speakers.h"

#include "logging.h"

#include <pulse/pulseaudio.h>

namespace {
// How far ahead of the loudspeaker the server may render a cue: small, so a click is
// heard at once and a cue that is cut off stops at once.
constexpr pa_usec_t kTargetLatency = 20 * PA_USEC_PER_MSEC;
// A cue that waited this long for the server to answer is no longer feedback to the
// pupil's last action: it is dropped.
constexpr auto kStaleAfter = std::chrono::milliseconds(250);

class LoopLock {
  public:
    explicit LoopLock(pa_threaded_mainloop *loop) : loop_(loop) {
        pa_threaded_mainloop_lock(loop_);
    }
    ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
    LoopLock(const LoopLock &) = delete;
    LoopLock &operator=(const LoopLock &) = delete;

  private:
    pa_threaded_mainloop *loop_;
};

pa_proplist *programProperties() {
    pa_proplist *props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Operazioni con le quivelle");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ID, "org.example.quivelle");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ICON_NAME, "org.example.quivelle");
    return props;
}
} // namespace

PulseSpeakers::PulseSpeakers() {
    loop_ = pa_threaded_mainloop_new();
    if (loop_) {
        pa_threaded_mainloop_set_name(loop_, "quivelle-sound");
        if (pa_threaded_mainloop_start(loop_) < 0) {
            pa_threaded_mainloop_free(loop_);
            loop_ = nullptr;
        }
    }
    if (!loop_)
        qCInfo(lcSound) << "the sound library could not start its thread, every cue is silent";
}

PulseSpeakers::~PulseSpeakers() {
    if (!loop_)
        return;
    {
        LoopLock lock(loop_);
        stopStream();
        if (context_) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
            context_ = nullptr;
        }
    }
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

void PulseSpeakers::warmUp() {
    if (!loop_)
        return;
    LoopLock lock(loop_);
    connectIfNeeded();
}

void PulseSpeakers::play(int cue, const QByteArray &clip) {
    if (!loop_)
        return;
    const WavClip wav = readWavClip(clip);
    LoopLock lock(loop_);
    // A new cue cuts off the one playing, even one that cannot play itself.
    stopStream();
    waiting_ = false;
    if (!wav.isValid())
        return;
    cue_ = cue;
    clip_ = wav;
    askedAt_ = std::chrono::steady_clock::now();
    waiting_ = true;
    connectIfNeeded();
    if (context_ && pa_context_get_state(context_) == PA_CONTEXT_READY)
        startStream();
    // Otherwise the connection is on its way, and contextChanged starts the stream.
}

void PulseSpeakers::connectIfNeeded() {
    if (context_) {
        if (PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)))
            return; // ready, or on its way
        // The server went away: this connection is over for good, a new one may find the
        // server back.
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_unref(context_);
        context_ = nullptr;
    }
    pa_proplist *props = programProperties();
    context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), nullptr, props);
    pa_proplist_free(props);
    if (!context_) {
        noteServerAway("no connection could be made");
        return;
    }
    pa_context_set_state_callback(context_, contextChanged, this);
    // No server of our own making (autospawn): the desktop runs one or there is no sound.
    // With no server the call fails at once, and this cue stays silent.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        noteServerAway(pa_strerror(pa_context_errno(context_)));
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_unref(context_);
        context_ = nullptr;
        waiting_ = false;
    }
}

void PulseSpeakers::contextChanged(pa_context *context, void *self) {
    auto *speakers = static_cast<PulseSpeakers *>(self);
    if (context != speakers->context_)
        return;
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        speakers->noteServerBack();
        if (speakers->waiting_) {
            const auto waited = std::chrono::steady_clock::now() - speakers->askedAt_;
            if (waited <= kStaleAfter)
                speakers->startStream();
            else
                qCDebug(lcSound, "cue %d dropped: the server answered after %lld ms",
                        speakers->cue_,
                        qlonglong(
                            std::chrono::duration_cast<std::chrono::milliseconds>(waited).count()));
            speakers->waiting_ = false;
        }
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        // Its streams end with it; the next cue connects again.
        speakers->noteServerAway(pa_strerror(pa_context_errno(context)));
        speakers->waiting_ = false;
        break;
    default:
        break;
    }
}

void PulseSpeakers::startStream() {
    waiting_ = false;
    const pa_sample_spec format = {clip_.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE,
                                   uint32_t(clip_.rate), uint8_t(clip_.channels)};
    pa_proplist *props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "event");
    const QByteArray name = "cue " + QByteArray::number(cue_);
    stream_ = pa_stream_new_with_proplist(context_, name.constData(), &format, nullptr, props);
    pa_proplist_free(props);
    if (!stream_) {
        noteStreamFailed(pa_strerror(pa_context_errno(context_)));
        return;
    }
    pa_stream_set_state_callback(stream_, streamChanged, this);
    pa_buffer_attr buffer;
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = uint32_t(pa_usec_to_bytes(kTargetLatency, &format));
    buffer.prebuf = uint32_t(-1);
    buffer.minreq = uint32_t(-1);
    buffer.fragsize = uint32_t(-1);
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0) {
        noteStreamFailed(pa_strerror(pa_context_errno(context_)));
        pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }
}

void PulseSpeakers::streamChanged(pa_stream *stream, void *self) {
    auto *speakers = static_cast<PulseSpeakers *>(self);
    if (stream != speakers->stream_)
        return;
    const pa_stream_state_t state = pa_stream_get_state(stream);
    // A stream that ends with its connection is no failure of its own: the server went.
    if (state == PA_STREAM_FAILED && PA_CONTEXT_IS_GOOD(pa_context_get_state(speakers->context_)))
        speakers->noteStreamFailed(pa_strerror(pa_context_errno(speakers->context_)));
    if (state != PA_STREAM_READY)
        return;
    // The whole clip at once (at most a few tens of kilobytes); the server plays it out
    // and the drain tells when it has.
    const WavClip &clip = speakers->clip_;
    if (pa_stream_write(stream, clip.samples(), size_t(clip.bytes), nullptr, 0, PA_SEEK_RELATIVE) <
        0) {
        speakers->noteStreamFailed(pa_strerror(pa_context_errno(speakers->context_)));
        return;
    }
    if (speakers->streamsFailing_) {
        speakers->streamsFailing_ = false;
        qCInfo(lcSound) << "cues play again";
    }
    if (pa_operation *drain = pa_stream_drain(stream, streamDrained, self))
        pa_operation_unref(drain);
}

void PulseSpeakers::streamDrained(pa_stream *stream, int, void *self) {
    auto *speakers = static_cast<PulseSpeakers *>(self);
    if (stream == speakers->stream_)
        speakers->stopStream(); // played to its end
}

void PulseSpeakers::stopStream() {
    if (!stream_)
        return;
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    if (PA_STREAM_IS_GOOD(pa_stream_get_state(stream_)))
        pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

void PulseSpeakers::noteServerAway(const char *reason) {
    if (serverAway_)
        return;
    serverAway_ = true;
    qCInfo(lcSound, "the sound server cannot be reached (%s); cues are silent until it is back",
           reason);
}

void PulseSpeakers::noteServerBack() {
    const char *server = pa_context_get_server(context_);
    if (serverAway_)
        qCInfo(lcSound, "the sound server is back: %s", server ? server : "?");
    else
        qCDebug(lcSound, "connected to the sound server %s", server ? server : "?");
    serverAway_ = false;
}

void PulseSpeakers::noteStreamFailed(const char *reason) {
    if (streamsFailing_)
        return;
    streamsFailing_ = true;
    qCInfo(lcSound, "cue %d could not be played (%s)", cue_, reason);
}
