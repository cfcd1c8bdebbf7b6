#pragma once

#include <QByteArray>
#include <QObject>
#include <array>
#include <memory>

class QSoundEffect;
struct SharedState;

// The six cues, named by the number of their clip.
enum Cue : int {
    CueCompleted = 101,
    CueClick = 102,
    CueWrong = 103,
    CueNeutral = 104,
    CueRight = 105,
    CueOpened = 106,
};

// Where cues go: the speakers in the program, a recorder in tests.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Starts the clip and returns at once; a new clip cuts off the one playing.
    virtual void play(int cue, const QByteArray &clip) = 0;
};

// The clip of a cue as built into the program (a whole RIFF WAV file); empty for an
// unknown cue.
QByteArray clipBytes(int cue);

// Plays cue through player, keeping its bytes in the shared BufferSuono. Every caller
// asks for sound through Suona, which stays silent while the sound switch is off.
void Suona(SharedState &state, SoundPlayer &player, int cue);

// The real speakers. Nothing touches the audio system until the first cue, so the
// start menu opens without waiting for it; with no audio output every cue is silent.
class SpeakerPlayer : public SoundPlayer {
  public:
    SpeakerPlayer();
    ~SpeakerPlayer() override;
    void play(int cue, const QByteArray &clip) override;

  private:
    bool prepare();
    bool prepared_ = false;
    bool available_ = false;
    std::unique_ptr<QObject> owner_;
    std::array<QSoundEffect *, 6> effects_{};
    QSoundEffect *playing_ = nullptr;
};
