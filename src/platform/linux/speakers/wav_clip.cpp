// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wav_clip.h"

#include <QtEndian>

namespace {
quint32 word32(const QByteArray &b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 word16(const QByteArray &b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}
} // namespace

WavClip readWavClip(const QByteArray &file) {
    WavClip clip;
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return clip;
    bool haveFormat = false;
    WavClip format;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype length = word32(file, at + 4);
        const qsizetype body = at + 8;
        if (length > file.size() - body)
            return clip; // cut short
        if (id == "fmt " && length >= 16) {
            if (word16(file, body) != 1) // PCM
                return clip;
            format.channels = word16(file, body + 2);
            format.rate = int(word32(file, body + 4));
            format.bitsPerSample = word16(file, body + 14);
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            const bool knownSamples = format.bitsPerSample == 8 || format.bitsPerSample == 16;
            const bool knownChannels = format.channels == 1 || format.channels == 2;
            if (!knownSamples || !knownChannels || format.rate <= 0)
                return clip;
            const int frameBytes = format.channels * format.bitsPerSample / 8;
            format.file = file;
            format.offset = body;
            format.bytes = length - length % frameBytes;
            return format;
        }
        at = body + length + (length & 1); // chunks are padded to an even length
    }
    return clip;
}
