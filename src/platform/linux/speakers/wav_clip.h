// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

// The sound data of a cue's WAV file, read in place: uncompressed PCM, 8-bit unsigned or
// 16-bit signed little-endian, one or two channels. Anything else is no clip at all, so a
// damaged file gives silence rather than noise.
struct WavClip {
    int rate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    // The samples lie in the file itself, which the clip shares rather than copies.
    QByteArray file;
    qsizetype offset = 0;
    qsizetype bytes = 0;

    const char *samples() const { return file.constData() + offset; }
    bool isValid() const { return rate > 0 && bytes > 0; }
};

WavClip readWavClip(const QByteArray &file);
