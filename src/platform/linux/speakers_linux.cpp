// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speakers.h"

#include "logging.h"
#include "speaker_module.h"

#include <QCoreApplication>
#include <QLibrary>

SpeakerPlayer::SpeakerPlayer(QStringList extraDirs) : extraDirs_(std::move(extraDirs)) {}
SpeakerPlayer::~SpeakerPlayer() = default;

SoundPlayer *SpeakerPlayer::open() {
    if (opened_)
        return speakers_.get();
    opened_ = true;
    const QString appDir = QCoreApplication::applicationDirPath();
    QStringList dirs = {appDir, appDir + QStringLiteral("/" QUIVELLE_MODULE_RELDIR)};
    dirs += extraDirs_;
    QStringList failures;
    for (const QString &dir : dirs) {
        // The module stays loaded for the rest of the run: its code plays the cues.
        QLibrary module(dir + QStringLiteral("/quivelle_speakers"));
        using Open = SoundPlayer *(*)();
        if (auto openSpeakers = reinterpret_cast<Open>(module.resolve("quivelle_open_speakers"))) {
            moduleLoaded_ = true;
            qCDebug(lcSound) << "speakers module:" << module.fileName();
            speakers_.reset(openSpeakers());
            break;
        }
        failures << module.errorString();
    }
    if (!moduleLoaded_)
        qCInfo(lcSound).noquote() << "no speakers module could be loaded, every cue is silent:"
                                  << failures.join(QStringLiteral("; "));
    return speakers_.get();
}

void SpeakerPlayer::play(int cue, const QByteArray &clip) {
    if (SoundPlayer *speakers = open())
        speakers->play(cue, clip);
}

std::unique_ptr<SoundPlayer> programSpeakers() {
    return std::make_unique<SpeakerPlayer>();
}
