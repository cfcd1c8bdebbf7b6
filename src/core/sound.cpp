// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound.h"

#include "app_context.h"

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

void Suona(const AppContext &ctx, int cue) {
    if (!ctx.state.SuonoAttivo || !ctx.sound)
        return;
    const QByteArray BufferSuono = clipBytes(cue);
    ctx.sound->play(cue, BufferSuono);
}
