#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 quivelle team
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the program's six sound cues as 8-bit unsigned mono PCM WAV files.

Each cue is synthesised from a few sine partials with smooth envelopes, so the
files are reproducible and carry no third-party material. Run it again after a
change and commit the WAVs it writes into assets/sounds/.
"""
import math
import os
import struct
import sys

# cue: (sample rate, number of sample bytes)
CUES = {
    101: (11025, 30720),
    102: (11025, 1295),
    103: (22050, 14836),
    104: (22050, 11376),
    105: (22050, 15876),
    106: (11025, 12557),
}

PEAK = 0.82  # headroom below full scale: no clipping, never harsh


def note(freq, start, dur, t, partials=((1, 1.0), (2, 0.25), (3, 0.08)), decay=4.0):
    """A plucked, bell-like note: quick attack, exponential decay."""
    if t < start or t >= start + dur:
        return 0.0
    x = t - start
    attack = min(1.0, x / 0.008)
    release = min(1.0, (start + dur - t) / 0.02)
    env = attack * release * math.exp(-decay * x)
    return env * sum(a * math.sin(2 * math.pi * freq * k * x) for k, a in partials)


def click(t):
    # a very short, soft wooden tick
    return note(1400, 0.0, 0.11, t, partials=((1, 1.0), (2.7, 0.2)), decay=45.0)


def right(t):
    # two bright bell notes going up a fifth
    bell = ((1, 1.0), (2, 0.3), (3, 0.12), (4.2, 0.05))
    return 0.6 * note(1046.5, 0.0, 0.30, t, bell, 7.0) + 0.7 * note(1568.0, 0.12, 0.60, t, bell, 5.0)


def wrong(t):
    # two soft, low, falling tones with a gentle warble: "uh-oh", never harsh
    soft = ((1, 1.0), (2, 0.35), (3, 0.12))
    warble = 1.0 + 0.15 * math.sin(2 * math.pi * 9 * t)
    return warble * (0.8 * note(233.1, 0.0, 0.30, t, soft, 3.0) + 0.8 * note(174.6, 0.28, 0.39, t, soft, 3.5))


def neutral(t):
    return note(660.0, 0.0, 0.51, t, ((1, 1.0), (2, 0.1)), 3.0)


def jingle(t):
    # cheerful rising arpeggio C E G C, a little turn, and a final chord
    melody = [(523.3, 0.00), (659.3, 0.18), (784.0, 0.36), (1046.5, 0.54), (784.0, 0.80), (1046.5, 0.98)]
    s = sum(0.55 * note(f, st, 0.5, t, decay=5.0) for f, st in melody)
    for f in (523.3, 659.3, 784.0, 1046.5):
        s += 0.3 * note(f, 1.20, 1.58, t, decay=2.2)
    return s


def flourish(t):
    # a quick upward run that lands on a ringing note
    run = [392.0, 440.0, 493.9, 523.3, 587.3, 659.3, 784.0]
    s = sum(0.5 * note(f, i * 0.065, 0.25, t, decay=9.0) for i, f in enumerate(run))
    s += 0.5 * note(1046.5, 0.46, 0.67, t, decay=3.5) + 0.35 * note(523.3, 0.46, 0.67, t, decay=3.0)
    return s


VOICES = {101: jingle, 102: click, 103: wrong, 104: neutral, 105: right, 106: flourish}


def render(cue):
    rate, count = CUES[cue]
    raw = [VOICES[cue](i / rate) for i in range(count)]
    top = max(abs(v) for v in raw) or 1.0
    edge = int(rate * 0.004)  # fade in and out so the edges never click
    out = bytearray()
    for i, v in enumerate(raw):
        g = min(1.0, i / edge, (count - 1 - i) / edge)
        out.append(128 + int(round(127 * PEAK * g * v / top)))
    return rate, bytes(out)


def wav_bytes(rate, data):
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate, 1, 8)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    if len(data) % 2:
        body += b"\x00"  # RIFF chunks are word aligned
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "assets", "sounds")
    os.makedirs(out_dir, exist_ok=True)
    for cue in sorted(CUES):
        rate, data = render(cue)
        with open(os.path.join(out_dir, f"{cue}.wav"), "wb") as f:
            f.write(wav_bytes(rate, data))


if __name__ == "__main__":
    main()
