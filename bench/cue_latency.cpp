// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// How soon a cue is heard after the pupil's click, through a real sound server:
//
//   xvfb-run -a build/bench/cue_latency [samples]        (default 30, needs pulseaudio)
//
// Starts a private PulseAudio with a null sink (see tests/support/private_sound_server.h)
// and the real program with its real speakers, then plays a pupil on "Addizione": the
// button that opens the screen (cue 106), a keypad key (cue 102), a right answer's "OK"
// (cue 105), "Esci", over and over. Each click is timed to the moment the cue's first
// sound comes out of the server's mixer: the chunk holding the cue's first loud sample
// reaches a recorder of the sink's monitor, as parec would hear it (the sink hands its
// sound over in blocks of about 10 ms, so a click landing early or late in a block waits
// more or less). The cue is found in the recording by its shape. A sound card then adds
// the buffer the cue's stream asks for (20 ms). Before every
// timed click the sink has been silent for a while, so no cue is timed against another's
// tail. Prints the median and the slowest for each cue.

#include "app_context.h"
#include "private_sound_server.h"
#include "random_source.h"
#include "run_in_event_loop.h"
#include "seeded_random.h"
#include "speaker_module.h"
#include "start_menu.h"
#include "step_memory.h"
#include "wav_clip.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <mutex>
#include <optional>
#include <pulse/pulseaudio.h>
#include <random>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kRate = 22050;
constexpr int kLoud = 4; // as the sound test: further than this from 128 is sound

double secondsSince(Clock::time_point origin, Clock::time_point t) {
    return std::chrono::duration<double>(t - origin).count();
}

// Records the null sink's monitor in this process (8-bit, mono, 22050 Hz, in chunks of
// about 10 ms) and keeps, for every sample, the moment it reached this listener.
class MonitorRecorder {
  public:
    explicit MonitorRecorder(Clock::time_point origin) : origin_(origin) {}
    ~MonitorRecorder() {
        if (!loop_)
            return;
        pa_threaded_mainloop_lock(loop_);
        if (stream_) {
            pa_stream_disconnect(stream_);
            pa_stream_unref(stream_);
        }
        if (context_) {
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
        pa_threaded_mainloop_unlock(loop_);
        pa_threaded_mainloop_stop(loop_);
        pa_threaded_mainloop_free(loop_);
    }

    bool start() {
        loop_ = pa_threaded_mainloop_new();
        pa_threaded_mainloop_start(loop_);
        pa_threaded_mainloop_lock(loop_);
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "cue latency recorder");
        pa_context_set_state_callback(context_, &MonitorRecorder::signal, loop_);
        bool ok = pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0;
        while (ok && pa_context_get_state(context_) != PA_CONTEXT_READY) {
            ok = PA_CONTEXT_IS_GOOD(pa_context_get_state(context_));
            if (ok)
                pa_threaded_mainloop_wait(loop_);
        }
        if (ok) {
            const pa_sample_spec format = {PA_SAMPLE_U8, kRate, 1};
            stream_ = pa_stream_new(context_, "monitor", &format, nullptr);
            pa_stream_set_read_callback(stream_, &MonitorRecorder::read, this);
            pa_buffer_attr buffer;
            buffer.maxlength = uint32_t(-1);
            buffer.fragsize = uint32_t(pa_usec_to_bytes(10 * PA_USEC_PER_MSEC, &format));
            const auto flags =
                pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | PA_STREAM_INTERPOLATE_TIMING |
                                  PA_STREAM_AUTO_TIMING_UPDATE);
            ok = pa_stream_connect_record(stream_, "null.monitor", &buffer, flags) >= 0;
        }
        pa_threaded_mainloop_unlock(loop_);
        return ok;
    }

    // Samples recorded so far.
    qsizetype size() {
        std::lock_guard<std::mutex> lock(mutex_);
        return qsizetype(samples_.size());
    }

    // The first loud sample that arrived at or after `after` (seconds since the origin),
    // if one has.
    std::optional<size_t> firstLoudAfter(double after) {
        std::lock_guard<std::mutex> lock(mutex_);
        auto from = std::lower_bound(times_.begin(), times_.end(), after);
        for (auto i = size_t(from - times_.begin()); i < samples_.size(); ++i)
            if (std::abs(int(samples_[i]) - 128) >= kLoud)
                return i;
        return std::nullopt;
    }

    // Where the clip begins in the recording, searched from `from` on: the place where the
    // recording looks most like the clip's first 40 ms. std::nullopt until enough has been
    // recorded.
    std::optional<size_t> clipStart(const std::vector<double> &clip, size_t from) {
        std::lock_guard<std::mutex> lock(mutex_);
        const size_t width = size_t(0.04 * kRate), search = size_t(0.06 * kRate);
        if (samples_.size() < from + search + width)
            return std::nullopt;
        size_t best = from;
        double bestScore = -2;
        for (size_t at = from - std::min(from, search); at < from + search; ++at) {
            double dot = 0, energy = 1e-9;
            for (size_t k = 0; k < width; ++k) {
                const double v = double(samples_[at + k]) - 128;
                dot += v * clip[k];
                energy += v * v;
            }
            const double score = dot / std::sqrt(energy);
            if (score > bestScore) {
                bestScore = score;
                best = at;
            }
        }
        return best;
    }

    // When the first loud sample from `index` on arrived.
    double loudArrival(size_t index) {
        std::lock_guard<std::mutex> lock(mutex_);
        while (index + 1 < samples_.size() && std::abs(int(samples_[index]) - 128) < kLoud)
            ++index;
        return times_[index];
    }

    // Whether the last `seconds` recorded are silence and arrived lately.
    bool quiet(double seconds) {
        std::lock_guard<std::mutex> lock(mutex_);
        const size_t tail = size_t(seconds * kRate);
        if (samples_.size() < tail)
            return false;
        const double now = secondsSince(origin_, Clock::now());
        if (now - times_.back() > 0.1)
            return false; // the recording lags: it says nothing about now
        return std::all_of(samples_.end() - long(tail), samples_.end(),
                           [](quint8 s) { return std::abs(int(s) - 128) < kLoud; });
    }

  private:
    static void signal(pa_context *, void *loop) {
        pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop *>(loop), 0);
    }

    static void read(pa_stream *stream, size_t, void *self) {
        auto *recorder = static_cast<MonitorRecorder *>(self);
        const double arrived = secondsSince(recorder->origin_, Clock::now());
        const void *data = nullptr;
        size_t bytes = 0;
        while (pa_stream_readable_size(stream) > 0 && pa_stream_peek(stream, &data, &bytes) >= 0) {
            if (bytes == 0)
                break;
            recorder->append(static_cast<const quint8 *>(data), bytes, arrived);
            pa_stream_drop(stream);
        }
    }

    // A chunk that arrived at `arrived`. The sink renders ahead of its clock and the
    // monitor hands a whole rendered block over at once, so every sample of a chunk counts
    // as arriving with it.
    void append(const quint8 *data, size_t count, double arrived) {
        std::lock_guard<std::mutex> lock(mutex_);
        for (size_t i = 0; i < count; ++i) {
            samples_.push_back(data ? data[i] : 128); // a hole reads as silence
            times_.push_back(arrived);
        }
    }

    Clock::time_point origin_;
    pa_threaded_mainloop *loop_ = nullptr;
    pa_context *context_ = nullptr;
    pa_stream *stream_ = nullptr;
    std::mutex mutex_;
    std::vector<quint8> samples_;
    std::vector<double> times_;
};

// The clip's first samples at the recording's rate, centred on zero and of unit energy.
std::vector<double> clipShape(int cue) {
    const WavClip clip = readWavClip(clipBytes(cue));
    std::vector<double> shape;
    const double step = double(clip.rate) / kRate;
    for (int i = 0; i < kRate / 10; ++i) {
        const double at = i * step;
        const qsizetype k = qsizetype(at);
        if (k + 1 >= clip.bytes)
            break;
        const double a = quint8(clip.samples()[k]), b = quint8(clip.samples()[k + 1]);
        shape.push_back(a + (b - a) * (at - double(k)) - 128);
    }
    double energy = 1e-9;
    for (double v : shape)
        energy += v * v;
    for (double &v : shape)
        v /= std::sqrt(energy);
    return shape;
}

void turn() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool waitUntil(const std::function<bool()> &done, int limitMs = 5000) {
    QElapsedTimer limit;
    limit.start();
    while (!done()) {
        if (limit.elapsed() > limitMs)
            return false;
        turn();
    }
    return true;
}

QWidget *visibleWindow(const char *name) {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String(name) && w->windowHandle() &&
            w->windowHandle()->isExposed())
            return w;
    return nullptr;
}

QAbstractButton *button(QWidget *window, const char *name) {
    auto *b = window ? window->findChild<QAbstractButton *>(QLatin1String(name)) : nullptr;
    if (!b)
        std::fprintf(stderr, "no button %s\n", name);
    return b;
}

struct Samples {
    const char *what;
    int cue;
    std::vector<double> shape = clipShape(cue);
    std::vector<double> ms = {};
};

class Pupil {
  public:
    Pupil(AppContext &ctx, MonitorRecorder &recorder, Clock::time_point origin)
        : ctx_(ctx), recorder_(recorder), origin_(origin) {}

    bool begin() {
        menu_ = openStartMenu(ctx_);
        if (!waitUntil([this] { return visibleWindow("frmStart") != nullptr; }))
            return false;
        QTest::qWait(1000); // the speakers get ready while the pupil reads the menu
        QTest::mousePress(button(menu_, "cmdComputer"), Qt::LeftButton);
        QTest::mouseRelease(button(menu_, "cmdComputer"), Qt::LeftButton);
        return true;
    }

    // One visit of "Addizione": one sample of each cue.
    bool visit(Samples &opened, Samples &keypad, Samples &right) {
        if (!timed(opened,
                   [&] { QTest::mouseClick(button(menu_, "CmdAddizione1"), Qt::LeftButton); }))
            return false;
        QWidget *screen = nullptr;
        if (!waitUntil([&] { return (screen = visibleWindow("frmAdd")) != nullptr; }))
            return false;
        QTest::mouseClick(button(screen, "cmdAvvio"), Qt::LeftButton);
        auto *box = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        if (!waitUntil([&] {
                box = qobject_cast<QLineEdit *>(QApplication::focusWidget());
                return box != nullptr;
            }))
            return false;
        const StepMemory s = stepMemory(*static_cast<ExerciseFrame *>(screen));
        const QString digits = QString::number(s.Risposte[s.Passo]);
        for (int i = 0; i < digits.size(); ++i) {
            QAbstractButton *key = button(screen, qPrintable(QStringLiteral("Cmd_") + digits[i]));
            if (i == 0) {
                if (!timed(keypad, [&] { QTest::mouseClick(key, Qt::LeftButton); }))
                    return false;
            } else {
                QTest::mouseClick(key, Qt::LeftButton);
            }
            turn();
        }
        if (!timed(right, [&] { QTest::mouseClick(button(screen, "Cmd_invio"), Qt::LeftButton); }))
            return false;
        QTest::mouseClick(button(screen, "cmdExit"), Qt::LeftButton);
        return waitUntil([&] { return visibleWindow("frmStart") != nullptr; });
    }

  private:
    // Waits for a silent sink, clicks, and takes the time until the cue is heard. A cue
    // asked for just before (the "Esci" that led back here) takes a few milliseconds to
    // sound: it is given the time to, so it cannot pass for the next click's cue.
    bool timed(Samples &samples, const std::function<void()> &click) {
        QTest::qWait(60);
        if (!waitUntil([&] { return recorder_.quiet(0.15); }, 10000)) {
            std::fprintf(stderr, "the sink never fell silent\n");
            return false;
        }
        // The recorder's chunks, and with them the quiet check, follow the sink's rendering
        // cycle; a pupil's click does not. A random pause makes the click land anywhere in
        // the cycle, as it would.
        QTest::qWait(std::uniform_int_distribution<int>(0, 25)(jitter_));
        const double clicked = secondsSince(origin_, Clock::now());
        click();
        // Found by its shape, not by the first sound: opening a screen sets its range
        // options, whose clicks start a moment before cue 106 cuts them off.
        std::optional<size_t> sound, start;
        if (!waitUntil(
                [&] {
                    if (!sound)
                        sound = recorder_.firstLoudAfter(clicked);
                    if (sound)
                        start = recorder_.clipStart(samples.shape, *sound);
                    return start.has_value();
                },
                3000)) {
            std::fprintf(stderr, "cue %d never heard\n", samples.cue);
            return false;
        }
        samples.ms.push_back((recorder_.loudArrival(*start) - clicked) * 1000);
        return true;
    }

    AppContext &ctx_;
    MonitorRecorder &recorder_;
    Clock::time_point origin_;
    QWidget *menu_ = nullptr;
    std::mt19937 jitter_{5};
};

int run(int count) {
    PrivateSoundServer server;
    if (!server.start()) {
        std::fprintf(stderr, "no sound server: %s\n", qPrintable(server.error()));
        return 1;
    }
    const Clock::time_point origin = Clock::now();
    MonitorRecorder recorder(origin);
    bool recording = recorder.start();
    for (int kick = 0; recording && kick < 10 && recorder.size() == 0; ++kick) {
        server.wakeSink();
        waitUntil([&] { return recorder.size() > 0; }, 500);
    }
    if (!recording || recorder.size() == 0) {
        std::fprintf(stderr, "the recorder heard nothing\n");
        return 1;
    }

    SpeakerPlayer speakers({QCoreApplication::applicationDirPath() + QStringLiteral("/..")});
    SeededRandom random;
    AppContext ctx;
    ctx.sound = &speakers;
    ctx.random = &random;
    Pupil pupil(ctx, recorder, origin);
    if (!pupil.begin())
        return 1;
    Samples opened{"opening a screen", CueOpened};
    Samples keypad{"keypad key", CueClick};
    Samples right{"right answer", CueRight};
    for (int i = 0; i < count; ++i)
        if (!pupil.visit(opened, keypad, right))
            return 1;

    std::printf("%d clicks each, click to the cue's first sample at the sound server (ms)\n",
                count);
    std::printf("%-6s %-18s %8s %8s\n", "cue", "click", "median", "slowest");
    for (Samples *s : {&keypad, &right, &opened}) {
        std::sort(s->ms.begin(), s->ms.end());
        std::printf("%-6d %-18s %8.1f %8.1f\n", s->cue, s->what, s->ms[s->ms.size() / 2],
                    s->ms.back());
    }
    return 0;
}
} // namespace

int main(int argc, char *argv[]) {
    return runInEventLoop(argc, argv, 30, run);
}
