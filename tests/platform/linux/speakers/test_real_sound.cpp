// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The speakers against a real sound server: a private PulseAudio with a null sink, whose
// monitor parec records, so the test hears what a pupil would hear. Skipped where the
// server's packages are missing, unless QUIVELLE_REQUIRE_DESKTOP_TESTS is set (as in CI).
#include "private_sound_server.h"
#include "speaker_module.h"
#include "wav_clip.h"

#include <QElapsedTimer>
#include <QTest>
#include <cmath>
#include <memory>

namespace {
// A sample this far from the middle value is sound; below it, the null sink's silence
// and the resampler's faint ripple.
constexpr int kLoud = 4;
// A cue must return at once, server or not. It takes well under a millisecond; the bound
// leaves room for a loaded machine and still fails a cue that waits for a server (the
// sound library's own time-outs are seconds).
constexpr qint64 kQuickMs = 200;

// Seconds from the first to the last loud sample of 8-bit unsigned samples.
struct Span {
    double first = -1;
    double last = -1;
    bool heard() const { return first >= 0; }
    double length() const { return last - first; }
};

Span loudSpan(const char *samples, qsizetype count, int rate) {
    Span span;
    for (qsizetype i = 0; i < count; ++i) {
        if (std::abs(int(quint8(samples[i])) - 128) >= kLoud) {
            if (span.first < 0)
                span.first = double(i) / rate;
            span.last = double(i) / rate;
        }
    }
    return span;
}

// How long a cue sounds, from its own clip.
double clipSeconds(int cue) {
    const WavClip clip = readWavClip(clipBytes(cue));
    return loudSpan(clip.samples(), clip.bytes, clip.rate).length();
}
} // namespace

class TestRealSound : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        if (!PrivateSoundServer::toolsInstalled()) {
            if (qEnvironmentVariableIsSet("QUIVELLE_REQUIRE_DESKTOP_TESTS"))
                QFAIL("pulseaudio, pactl and parec are needed (packages pulseaudio, "
                      "pulseaudio-utils)");
            QSKIP("no pulseaudio, pactl or parec here");
        }
    }

    void cleanup() {
        speakers_.reset();
        server_.reset();
    }

    void everyCueIsHeardWholeAndANewCueCutsOffThePlayingOne() {
        startServer();
        startRecording();
        openSpeakers();
        for (int cue = CueCompleted; cue <= CueOpened; ++cue) {
            const Span span = ask(cue, int(clipSeconds(cue) * 1000) + 300);
            QVERIFY2(span.heard(), qPrintable(QStringLiteral("cue %1 not heard").arg(cue)));
            qInfo("cue %d: %.3f s heard of %.3f s", cue, span.length(), clipSeconds(cue));
            QVERIFY2(std::abs(span.length() - clipSeconds(cue)) < 0.03,
                     qPrintable(QStringLiteral("cue %1 sounded %2 s of %3 s")
                                    .arg(cue)
                                    .arg(span.length())
                                    .arg(clipSeconds(cue))));
            waitForQuiet();
        }

        // The long cue of a finished exercise, cut off 400 ms in by a click: what follows
        // the click is the click alone, not the rest of the long cue under it.
        const qsizetype mark = server_->recorded().size();
        speakers_->play(CueCompleted, clipBytes(CueCompleted));
        QTest::qWait(400);
        speakers_->play(CueClick, clipBytes(CueClick));
        QTest::qWait(1000); // long enough to hear whether the long cue goes on
        const QByteArray &heard = server_->recorded();
        const Span all = loudSpan(heard.constData() + mark, heard.size() - mark,
                                  PrivateSoundServer::kRecordingRate);
        QVERIFY2(all.heard(), "nothing heard");
        qInfo("cut off: %.3f s heard", all.length());
        // About 0.4 s of the long cue and the click's 0.12 s, give or take the two starts'
        // latencies, instead of the long cue's 2.8 s.
        const double expected = 0.4 + clipSeconds(CueClick);
        QVERIFY2(all.length() > expected - 0.1 && all.length() < expected + 0.1,
                 qPrintable(QStringLiteral("sound lasted %1 s, expected about %2 s")
                                .arg(all.length())
                                .arg(expected)));
    }

    void theFirstCueOnceTheServerIsThereIsHeard_data() {
        QTest::addColumn<bool>("serverAtStart");
        QTest::addColumn<int>("awayMs");
        QTest::addColumn<int>("cuesWhileAway");
        // The session starts the program a moment before its sound server.
        QTest::newRow("early start") << false << 300 << 0;
        // The server comes long after the program, which asked for cues meanwhile.
        QTest::newRow("late start") << false << 3500 << 6;
        // The server restarts while the program runs, away for longer than a quick retry
        // would wait, and cues are asked for while it is away.
        QTest::newRow("restart") << true << 3500 << 6;
    }

    void theFirstCueOnceTheServerIsThereIsHeard() {
        QFETCH(bool, serverAtStart);
        QFETCH(int, awayMs);
        QFETCH(int, cuesWhileAway);
        server_ = std::make_unique<PrivateSoundServer>();
        if (serverAtStart) {
            QVERIFY2(server_->start(), qPrintable(server_->error()));
            QVERIFY2(server_->startRecording(), qPrintable(server_->error()));
        }
        openSpeakers();
        if (serverAtStart) {
            QVERIFY2(ask(CueClick, 500).heard(), "no sound before the restart");
            server_->stopRecording();
            server_->stop();
        }

        // While there is no server, a cue is as quick as ever and silent.
        QElapsedTimer away;
        away.start();
        double slowestMs = 0;
        for (int i = 0; i < cuesWhileAway; ++i) {
            QTest::qWait(awayMs / (cuesWhileAway + 1));
            QElapsedTimer click;
            click.start();
            speakers_->play(CueClick, clipBytes(CueClick));
            slowestMs = qMax(slowestMs, click.nsecsElapsed() / 1e6);
            QVERIFY2(click.elapsed() < kQuickMs,
                     qPrintable(QStringLiteral("a cue took %1 ms").arg(click.elapsed())));
        }
        if (cuesWhileAway > 0)
            qInfo("slowest cue without a server: %.2f ms", slowestMs);
        QTest::qWait(int(qMax<qint64>(0, awayMs - away.elapsed())));

        startServer();
        startRecording();
        const Span span = ask(CueRight, int(clipSeconds(CueRight) * 1000) + 300);
        QVERIFY2(span.heard(), "the first cue after the server came was not heard");
        QVERIFY2(std::abs(span.length() - clipSeconds(CueRight)) < 0.03,
                 qPrintable(QStringLiteral("sounded %1 s").arg(span.length())));
    }

  private:
    void startServer() {
        if (!server_)
            server_ = std::make_unique<PrivateSoundServer>();
        QVERIFY2(server_->start(), qPrintable(server_->error()));
    }
    void startRecording() { QVERIFY2(server_->startRecording(), qPrintable(server_->error())); }

    // The program's own speakers, as the start menu gets them ready.
    void openSpeakers() {
        speakers_ =
            std::make_unique<SpeakerPlayer>(QStringList{QStringLiteral(QUIVELLE_BINARY_DIR)});
        speakers_->warmUp();
        QVERIFY(speakers_->moduleLoaded());
    }

    // Asks for cue and listens for listenMs; the span is counted from the moment of asking.
    Span ask(int cue, int listenMs) {
        const qsizetype mark = server_->recorded().size();
        QElapsedTimer click;
        click.start();
        speakers_->play(cue, clipBytes(cue));
        const qint64 took = click.elapsed();
        if (took >= kQuickMs)
            qWarning("cue %d took %lld ms to start", cue, took);
        QTest::qWait(listenMs);
        const QByteArray &heard = server_->recorded();
        return loudSpan(heard.constData() + mark, heard.size() - mark,
                        PrivateSoundServer::kRecordingRate);
    }

    // Until the last tenth of a second recorded is silence.
    void waitForQuiet() {
        const int tail = PrivateSoundServer::kRecordingRate / 10;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const QByteArray &heard = server_->recorded();
                return heard.size() >= tail && !loudSpan(heard.constData() + heard.size() - tail,
                                                         tail, PrivateSoundServer::kRecordingRate)
                                                    .heard();
            }(),
            5000);
    }

    std::unique_ptr<PrivateSoundServer> server_;
    std::unique_ptr<SpeakerPlayer> speakers_;
};

QTEST_GUILESS_MAIN(TestRealSound)
#include "test_real_sound.moc"
