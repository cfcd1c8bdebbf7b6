#include "sound.h"

#include "shared_state.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

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
    state.BufferSuono = clipBytes(cue);
    player.play(cue, state.BufferSuono);
}

SpeakerPlayer::SpeakerPlayer() = default;
SpeakerPlayer::~SpeakerPlayer() = default;

bool SpeakerPlayer::prepare() {
    if (prepared_)
        return available_;
    prepared_ = true;
    // Without an output QSoundEffect would warn at every cue; stay quiet instead.
    available_ = !QMediaDevices::audioOutputs().isEmpty();
    if (!available_)
        return false;
    owner_ = std::make_unique<QObject>();
    for (int cue = firstCue; cue <= lastCue; ++cue) {
        auto *effect = new QSoundEffect(owner_.get());
        effect->setSource(QUrl(QStringLiteral("qrc") + clipPath(cue)));
        effects_[cue - firstCue] = effect;
    }
    return true;
}

void SpeakerPlayer::play(int cue, const QByteArray &) {
    if (cue < firstCue || cue > lastCue || !prepare())
        return;
    if (playing_)
        playing_->stop();
    playing_ = effects_[cue - firstCue];
    playing_->play();
}
