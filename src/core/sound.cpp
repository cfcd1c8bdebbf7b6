// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound.h"

#include "shared_state.h"

#include <QFile>

namespace {
constexpr int firstCue = CueCompleted;
constexpr int lastCue = CueOpened;

QString clipPath(int cue) {
    return QStringLiteral(":/sounds/%1.wav").arg(cue);
}
} // namespace

QByteArray clipBytes(int cue) {
    if (cue < firstCue || cue > lastCue)
        return {};
    QFile file(clipPath(cue));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void Suona(SharedState &state, SoundPlayer &player, int cue) {
    if (!state.SuonoAttivo)
        return;
    const QByteArray BufferSuono = clipBytes(cue);
    player.play(cue, BufferSuono);
}
