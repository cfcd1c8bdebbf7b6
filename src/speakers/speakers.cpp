// The speakers, kept out of the program's start-up: the audio libraries are loaded only
// when the first cue plays (see SpeakerPlayer in sound.cpp).
#include "sound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <array>

namespace {
class QtSpeakers : public SoundPlayer {
  public:
    QtSpeakers() {
        for (int cue = CueCompleted; cue <= CueOpened; ++cue) {
            auto *effect = new QSoundEffect(&owner_);
            effect->setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(cue)));
            effects_[cue - CueCompleted] = effect;
        }
    }

    void play(int cue, const QByteArray &) override {
        if (cue < CueCompleted || cue > CueOpened)
            return;
        if (playing_)
            playing_->stop();
        playing_ = effects_[cue - CueCompleted];
        playing_->play();
    }

  private:
    QObject owner_;
    std::array<QSoundEffect *, 6> effects_{};
    QSoundEffect *playing_ = nullptr;
};
} // namespace

// Without an audio output QSoundEffect would warn at every cue: report no speakers instead.
extern "C" Q_DECL_EXPORT SoundPlayer *quivelle_open_speakers() {
    if (QMediaDevices::audioOutputs().isEmpty())
        return nullptr;
    return new QtSpeakers;
}
