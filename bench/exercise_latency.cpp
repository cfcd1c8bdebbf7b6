// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// How quickly every screen answers the pupil, and whether a long school day makes the
// program grow. A pupil is played from the real start menu, through the eight exercise
// screens and the information window, over and over (one cycle = every screen once):
//
//   xvfb-run -a build/bench/exercise_latency [cycles]        (default 40)
//
// On each exercise screen: open it from the start menu, type a problem on the screens
// where the pupil does (untimed), "Avvio", a wrong answer's "OK", every right answer's
// "OK" to the end of the exercise, "Ripeti", "Soluzione", "Esci". On the information
// window: open it with "Info", close it with its "OK". Each step is timed from the click
// until what the pupil waits for is on the screen (a window shown, the focus in the next
// box, a box emptied, the solution written, the start menu back), the repaint included.
// Prints the median and the slowest of each step on each screen, then the memory: the
// peak, and the growth from cycle 100 to the last (from 200 cycles on).

#include "app_context.h"
#include "division_procedure.h"
#include "exercise_frame.h"
#include "exercise_screens.h"
#include "random_source.h"
#include "run_in_event_loop.h"
#include "seeded_random.h"
#include "start_menu.h"
#include "step_memory.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <random>
#include <vector>

namespace {
class SilentPlayer : public SoundPlayer {
  public:
    void play(int, const QByteArray &) override {}
};

enum Step { Open, Start, Right, Wrong, Solution, Repeat, Leave, kSteps };
constexpr const char *kStepNames[kSteps] = {"open",      "Avvio",  "OK right", "OK wrong",
                                            "Soluzione", "Ripeti", "Esci"};

struct Screen {
    const char *name;   // the window's name; frmInfo is the information window
    const char *button; // the start menu's button that opens it
    bool typed;         // "da te": the pupil types the problem
    bool division;      // the start button is cmdStartDiv
    bool subtraction;   // a typed problem's first fraction must not be the smaller
};

constexpr Screen kScreens[] = {
    {"frmAdd", "CmdAddizione1", false, false, false},
    {"frmSott", "CmdSottrazione", false, false, true},
    {"frmMolt", "CmdMoltiplicazione1", false, false, false},
    {"frmDiv", "cmdDivisione1", false, true, false},
    {"frmAdd2", "CmdAddizione1", true, false, false},
    {"frmSott2", "CmdSottrazione", true, false, true},
    {"frmMolt2", "CmdMoltiplicazione1", true, false, false},
    {"frmDiv2", "cmdDivisione1", true, true, false},
    {"frmInfo", "cmdInfo", false, false, false},
};
constexpr int kScreenCount = int(std::size(kScreens));

// One turn of the event loop, as the program's own loop takes it: windows deleted later
// are deleted here too (a nested processEvents() would keep them until the end).
void turn() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Waits, handling events, until done() holds, then lets the repaint that the change asked
// for happen. Gives up after five seconds.
bool waitUntil(const std::function<bool()> &done) {
    QElapsedTimer limit;
    limit.start();
    while (!done()) {
        if (limit.elapsed() > 5000)
            return false;
        turn();
    }
    turn();
    return true;
}

bool shown(QWidget *w) {
    return w && w->isVisible() && w->windowHandle() && w->windowHandle()->isExposed();
}

QWidget *topLevel(const char *name) {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

void click(QWidget *window, const QString &name) {
    auto *b = window->findChild<QAbstractButton *>(name);
    if (!b)
        std::fprintf(stderr, "no button %s on %s\n", qPrintable(name),
                     qPrintable(window->objectName()));
    QTest::mouseClick(b, Qt::LeftButton);
}

// Memory of this process as the system counts it, and the heap in use.
struct Memory {
    long rssKb = 0;
    long peakKb = 0;
    long heapKb = 0;
    static Memory now() {
        Memory m;
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray &line : status.readAll().split('\n')) {
                if (line.startsWith("VmRSS:"))
                    m.rssKb = line.mid(6).trimmed().split(' ').first().toLong();
                else if (line.startsWith("VmHWM:"))
                    m.peakKb = line.mid(6).trimmed().split(' ').first().toLong();
            }
        m.heapKb = long(mallinfo2().uordblks / 1024);
        return m;
    }
};

class Pupil {
  public:
    explicit Pupil(AppContext &ctx) : ctx_(ctx) {}

    bool begin() {
        menu_ = openStartMenu(ctx_);
        return waitUntil([this] { return shown(menu_); });
    }

    // One visit of a screen; false when the screen stopped answering.
    bool visit(const Screen &screen, std::vector<double> (&ms)[kSteps]) {
        samples_ = ms;
        if (QLatin1String(screen.name) == QLatin1String("frmInfo"))
            return visitInfo();
        // The mode buttons answer the mouse button going down.
        QTest::mousePress(menu_->findChild<QWidget *>(screen.typed ? "cmdTe" : "cmdComputer"),
                          Qt::LeftButton);
        QTest::mouseRelease(menu_->findChild<QWidget *>(screen.typed ? "cmdTe" : "cmdComputer"),
                            Qt::LeftButton);
        QCoreApplication::processEvents();

        ExerciseFrame *frame = nullptr;
        if (!timed(
                Open, [&] { click(menu_, QString::fromLatin1(screen.button)); },
                [&] {
                    frame = qobject_cast<ExerciseFrame *>(topLevel(screen.name));
                    return shown(frame);
                }))
            return false;
        frame_ = frame;
        division_ = screen.division;

        if (screen.typed)
            typeProblem(screen.subtraction);
        if (!timed(
                Start, [&] { click(frame, screen.division ? "cmdStartDiv" : "cmdAvvio"); },
                [&] { return onWorkBox(); }))
            return false;

        // A wrong answer, then the right ones to the end of the exercise.
        QLineEdit *box = frame->workTargetBox();
        answer(expected() + 1);
        if (!timed(
                Wrong, [&] { click(frame, "Cmd_invio"); },
                [&] { return box->text().isEmpty() && QApplication::focusWidget() == box; }))
            return false;
        while (!completed()) {
            box = frame->workTargetBox();
            answer(expected());
            if (!timed(
                    Right, [&] { click(frame, "Cmd_invio"); },
                    [&] {
                        return completed() || (QApplication::focusWidget() != box && onWorkBox());
                    }))
                return false;
        }

        if (!timed(
                Repeat, [&] { click(frame, "cmdRipeti"); }, [&] { return onWorkBox(); }))
            return false;
        if (!timed(
                Solution, [&] { click(frame, "cmdSoluzione"); },
                [&] { return frame->notice()->text() == QLatin1String("Fatto"); }))
            return false;
        // The screen deletes itself once it is hidden.
        const QPointer<QWidget> leaving = frame;
        return timed(
            Leave, [&] { click(frame, "cmdExit"); },
            [&] { return shown(menu_) && (!leaving || !leaving->isVisible()); });
    }

  private:
    bool visitInfo() {
        QWidget *info = nullptr;
        if (!timed(
                Open, [&] { click(menu_, "cmdInfo"); },
                [&] {
                    info = topLevel("frmInfo");
                    return shown(info);
                }))
            return false;
        const QPointer<QWidget> window = info;
        return timed(
            Leave, [&] { click(window, "cmdOK"); },
            [&] { return (!window || !window->isVisible()) && shown(menu_); });
    }

    bool timed(Step step, const std::function<void()> &act, const std::function<bool()> &done) {
        QElapsedTimer t;
        t.start();
        act();
        if (!waitUntil(done)) {
            QWidget *focus = QApplication::focusWidget();
            QLineEdit *work = frame_ ? frame_->workTargetBox() : nullptr;
            std::fprintf(stderr,
                         "%s never came: focus on %s, next box %s (\"%s\"), notice \"%s\"\n",
                         kStepNames[step], focus ? qPrintable(focus->objectName()) : "nothing",
                         work ? qPrintable(work->objectName()) : "none",
                         work ? qPrintable(work->text()) : "",
                         frame_ ? qPrintable(frame_->notice()->text()) : "");
            return false;
        }
        samples_[step].push_back(t.nsecsElapsed() / 1e6);
        return true;
    }

    bool onWorkBox() const {
        QLineEdit *box = frame_->workTargetBox();
        return box && QApplication::focusWidget() == box;
    }
    bool completed() const {
        return frame_->notice()->text() == QLatin1String("Missione compiuta");
    }
    // The answer the box that has the focus expects. The rewrite phase is the division
    // screens' own.
    int expected() const {
        const StepMemory s = stepMemory(*frame_);
        if (division_) {
            const auto &r = static_cast<DivisionProcedure *>(frame_->procedure())->rewrite();
            if (r.FaseReciproco)
                return r.Reciproco[r.CampoDiv];
        }
        return s.Risposte[s.Passo];
    }
    void keypad(const QString &digits) {
        for (QChar c : digits) {
            click(frame_, QStringLiteral("Cmd_") + c);
            QCoreApplication::processEvents();
        }
    }
    void answer(int value) { keypad(QString::number(value)); }

    // A problem the screen accepts, typed box by box as the pupil does.
    void typeProblem(bool subtraction) {
        std::uniform_int_distribution<int> operand(1, 25);
        int v[4] = {operand(engine_), operand(engine_), operand(engine_), operand(engine_)};
        if (subtraction && long(v[0]) * v[3] < long(v[2]) * v[1]) {
            std::swap(v[0], v[2]);
            std::swap(v[1], v[3]);
        }
        const char *const entries[] = {"txtInsNum1", "txtInsDen1", "txtInsNum2", "txtInsDen2"};
        for (int i = 0; i < 4; ++i) {
            QTest::mouseClick(frame_->findChild<QLineEdit *>(entries[i]), Qt::LeftButton);
            QCoreApplication::processEvents();
            keypad(QString::number(v[i]));
        }
    }

    AppContext &ctx_;
    QWidget *menu_ = nullptr;
    ExerciseFrame *frame_ = nullptr;
    bool division_ = false;
    std::vector<double> *samples_ = nullptr;
    std::mt19937 engine_{7};
};

void printTable(std::vector<double> (&ms)[kScreenCount][kSteps]) {
    std::printf("%-10s", "ms");
    for (const char *step : kStepNames)
        std::printf(" %17s", step);
    std::printf("\n%-10s", "");
    for (int i = 0; i < kSteps; ++i)
        std::printf(" %17s", "median  slowest");
    std::printf("\n");
    for (int s = 0; s < kScreenCount; ++s) {
        std::printf("%-10s", kScreens[s].name);
        for (std::vector<double> &v : ms[s]) {
            if (v.empty()) {
                std::printf(" %17s", "-");
                continue;
            }
            std::sort(v.begin(), v.end());
            std::printf("  %7.2f %7.2f", v[v.size() / 2], v.back());
        }
        std::printf("\n");
    }
}

int run(int cycles) {
    SilentPlayer silent;
    SeededRandom random;
    AppContext ctx;
    ctx.sound = &silent;
    ctx.random = &random;
    Pupil pupil(ctx);
    if (!pupil.begin())
        return 1;

    // The samples' own storage is taken, and written once, before the first cycle: grown
    // as the run goes, it alone would add about a megabyte over a thousand cycles and
    // hide what the program does.
    static std::vector<double> ms[kScreenCount][kSteps];
    for (auto &screen : ms)
        for (int step = 0; step < kSteps; ++step) {
            screen[step].resize(size_t(cycles) * (step == Right ? 12 : 1) + 16);
            screen[step].clear();
        }
    Memory atHundred;
    int widgetsAtHundred = 0;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        for (int s = 0; s < kScreenCount; ++s)
            if (!pupil.visit(kScreens[s], ms[s])) {
                std::fprintf(stderr, "cycle %d, %s: the screen stopped answering\n", cycle,
                             kScreens[s].name);
                return 1;
            }
        if (cycle == 100) {
            atHundred = Memory::now();
            widgetsAtHundred = int(QApplication::allWidgets().size());
        }
    }
    const Memory end = Memory::now();

    std::printf("%d cycles (each: the eight exercise screens and the information window)\n",
                cycles);
    printTable(ms);
    std::printf("peak memory %.1f MB\n", end.peakKb / 1024.0);
    if (cycles >= 200)
        std::printf("from cycle 100 to %d: resident %.1f -> %.1f MB (%+.2f MB), heap in use "
                    "%.2f -> %.2f MB (%+.3f MB), widgets %d -> %d\n",
                    cycles, atHundred.rssKb / 1024.0, end.rssKb / 1024.0,
                    (end.rssKb - atHundred.rssKb) / 1024.0, atHundred.heapKb / 1024.0,
                    end.heapKb / 1024.0, (end.heapKb - atHundred.heapKb) / 1024.0, widgetsAtHundred,
                    int(QApplication::allWidgets().size()));
    return 0;
}
} // namespace

int main(int argc, char *argv[]) {
    return runInEventLoop(argc, argv, 40, run);
}
