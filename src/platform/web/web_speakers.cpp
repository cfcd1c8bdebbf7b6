// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web_speakers.h"

#include "logging.h"

#include <emscripten.h>

// The browser's side of the speakers. Each clip is decoded once by Web Audio and then
// played from memory; a new cue stops the one playing, as the desktop's speakers do.
// Browsers let a page sound only after the user has touched it: the context is resumed at
// the first touch, click or key, which every cue follows anyway. Where the browser has no
// Web Audio, or no sound output, every call does nothing and the program goes on silently.
// (The JavaScript is kept as written: the C++ formatter would break its arrows.)
// clang-format off
EM_JS(int, quivelle_audio_open, (), {
    if (Module.quivelleAudio)
        return Module.quivelleAudio.context ? 1 : 0;
    const audio = { context: null, clips: new Map(), playing: null, wanted: 0 };
    Module.quivelleAudio = audio;
    const Context = globalThis.AudioContext || globalThis.webkitAudioContext;
    if (!Context)
        return 0;
    try {
        // The smallest buffer the device allows: a cue follows a click, one at a time,
        // and was heard about 12 ms sooner than with the "interactive" default.
        audio.context = new Context({ latencyHint: 0 });
    } catch (e) {
        return 0;
    }
    const unlock = () => {
        if (audio.context.state !== "running")
            audio.context.resume().catch(() => {});
    };
    for (const type of ["pointerdown", "touchend", "keydown", "mousedown"])
        document.addEventListener(type, unlock, { capture: true, passive: true });
    return 1;
});

EM_JS(void, quivelle_audio_decode, (int cue, const char *data, int size), {
    const audio = Module.quivelleAudio;
    if (!audio || !audio.context || audio.clips.has(cue))
        return;
    const bytes = HEAPU8.slice(data, data + size).buffer;
    const entry = { buffer: null };
    audio.clips.set(cue, entry);
    const decoded = (buffer) => {
        entry.buffer = buffer;
        // A cue asked for while its clip was still being decoded plays now, if it is
        // still the latest one asked for.
        if (audio.wanted === cue) {
            audio.wanted = 0;
            Module.quivelleAudioStart(cue);
        }
    };
    try {
        const promise = audio.context.decodeAudioData(bytes, decoded, () => audio.clips.delete(cue));
        if (promise && promise.catch)
            promise.catch(() => audio.clips.delete(cue));
    } catch (e) {
        audio.clips.delete(cue);
    }
});

EM_JS(void, quivelle_audio_play, (int cue), {
    const audio = Module.quivelleAudio;
    if (!audio || !audio.context)
        return;
    if (!Module.quivelleAudioStart) {
        Module.quivelleAudioStart = (which) => {
            const entry = audio.clips.get(which);
            if (!entry || !entry.buffer)
                return;
            if (audio.playing) {
                try { audio.playing.stop(); } catch (e) {}
                audio.playing = null;
            }
            if (audio.context.state !== "running")
                audio.context.resume().catch(() => {});
            const source = audio.context.createBufferSource();
            source.buffer = entry.buffer;
            source.connect(audio.context.destination);
            source.onended = () => { if (audio.playing === source) audio.playing = null; };
            source.start();
            audio.playing = source;
        };
    }
    const entry = audio.clips.get(cue);
    if (entry && entry.buffer) {
        audio.wanted = 0;
        Module.quivelleAudioStart(cue);
    } else {
        // Not decoded yet: whatever was playing stops, and this cue plays once ready.
        if (audio.playing) {
            try { audio.playing.stop(); } catch (e) {}
            audio.playing = null;
        }
        audio.wanted = cue;
    }
});

// clang-format on

void WebSpeakers::warmUp() {
    if (opened_)
        return;
    opened_ = true;
    available_ = quivelle_audio_open() != 0;
    if (!available_) {
        qCInfo(lcSound, "this browser offers no Web Audio: the program goes on without sound");
        return;
    }
    for (int cue = CueCompleted; cue <= CueOpened; ++cue) {
        const QByteArray clip = clipBytes(cue);
        quivelle_audio_decode(cue, clip.constData(), int(clip.size()));
    }
}

void WebSpeakers::play(int cue, const QByteArray &clip) {
    warmUp();
    if (!available_)
        return;
    quivelle_audio_decode(cue, clip.constData(), int(clip.size()));
    quivelle_audio_play(cue);
}
