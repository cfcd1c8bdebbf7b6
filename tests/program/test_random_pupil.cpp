// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// A random pupil: starts the whole program in-process and does seeded random things to
// whatever windows are on the screen (clicks on anything, enabled or not; keypad bursts;
// keys, pastes, right clicks, Alt+F4; helpful right answers and typed problems so the
// exercises get somewhere), checking after every action what must always hold.
//
//   test_random_pupil [--actions N] [--seed S|clock] [--timing] [--tour]
//
// Defaults: 20,000 actions, a fixed seed, no timing. --timing reports the slowest actions
// and the rate. --tour replaces the random run with one scripted visit to every window
// (for memory checkers). The start menu's "Esci" is pressed like any button, but the run
// replaces what it does with a count, so the run goes on. A broken rule prints the seed,
// the action number and the last 30 actions, and exits with status 1; the same seed and
// count replay the same run.

#include "pupil_invariants.h"
#include "start_menu.h"
#include "test_support.h"

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRadioButton>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <deque>
#include <random>

namespace {

QStringList gMessages;

void recordMessage(QtMsgType type, const QMessageLogContext &, const QString &message) {
    // The offscreen platform has no window manager to raise or place windows; on a desktop
    // these calls do their work and say nothing.
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg)
        gMessages << message;
    if (type == QtFatalMsg)
        std::fprintf(stderr, "fatal: %s\n", qPrintable(message));
}

// The program's draws, repeatable from the run's seed.
class SeededRandom : public RandomSource {
  public:
    explicit SeededRandom(uint64_t seed) : engine_(seed) {}
    void reseed() override {}
    double next() override { return std::generate_canonical<double, 53>(engine_); }

  private:
    std::mt19937_64 engine_;
};

const QStringList kClipboardTexts = {
    QString(),
    QStringLiteral(" 07 "),
    QStringLiteral("-5"),
    QStringLiteral("3.5"),
    QStringLiteral("1e3"),
    QString(QChar(0x0663)),
    QString(10000, QLatin1Char('7')),
    QStringLiteral("12"),
};

struct Key {
    int code;
    Qt::KeyboardModifiers mods;
    const char *name;
};
const Key kKeys[] = {
    {Qt::Key_0, {}, "0"},
    {Qt::Key_1, {}, "1"},
    {Qt::Key_2, {}, "2"},
    {Qt::Key_3, {}, "3"},
    {Qt::Key_5, {}, "5"},
    {Qt::Key_9, {}, "9"},
    {Qt::Key_A, {}, "a"},
    {Qt::Key_X, Qt::ShiftModifier, "X"},
    {Qt::Key_Minus, {}, "-"},
    {Qt::Key_Period, {}, "."},
    {Qt::Key_Comma, {}, ","},
    {Qt::Key_Space, {}, "Space"},
    {Qt::Key_Backspace, {}, "Backspace"},
    {Qt::Key_Delete, {}, "Delete"},
    {Qt::Key_Return, {}, "Enter"},
    {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter"},
    {Qt::Key_Tab, {}, "Tab"},
    {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
    {Qt::Key_Escape, {}, "Escape"},
    {Qt::Key_Left, {}, "Left"},
    {Qt::Key_End, {}, "End"},
};

QString nameOf(const QWidget *w) {
    const QString own = w->objectName().isEmpty()
                            ? QString::fromLatin1(w->metaObject()->className())
                            : w->objectName();
    return w->window() == w ? own : w->window()->objectName() + QLatin1Char('/') + own;
}

class RandomPupil {
  public:
    RandomPupil(uint64_t seed, bool timing)
        : seed_(seed), timing_(timing), rng_(seed), random_(seed ^ 0x9e3779b97f4a7c15ULL) {
        ctx_.sound = &player_;
        ctx_.random = &random_;
        menu_ = static_cast<StartMenu *>(openStartMenu(ctx_));
        menu_->setExitAction([this] { ++exits_; });
        settle();
    }
    ~RandomPupil() {
        delete menu_;
        settle();
    }

    bool run(long actions);
    bool tour();
    void report(double seconds) const;

  private:
    // Helpers for both runs.
    void settle();
    bool checked();
    void act(const QString &what, const std::function<void()> &action);
    void activate(QWidget *window);
    void click(QWidget *w, Qt::MouseButton button = Qt::LeftButton, QPoint at = {});
    void key(QWidget *w, const Key &k);
    void clearBox(QLineEdit *box);
    void keypadType(ExerciseFrame &f, const QString &digits);
    bool answerRight(ExerciseFrame &f);
    void typeProblem(ExerciseFrame &f, const QList<int> &operands);
    QWidget *keyTarget(QWidget *window) const;
    void noteVisit();
    const ExerciseFrame::Counters &counters();

    // The random run.
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(double p) { return std::generate_canonical<double, 32>(rng_) < p; }
    void randomAction();
    void onScreen(ExerciseFrame &f);
    void onWindow(QWidget *window);
    QList<QWidget *> controls(QWidget *window) const;

    uint64_t seed_;
    bool timing_;
    std::mt19937_64 rng_;
    RecordingPlayer player_;
    SeededRandom random_;
    AppContext ctx_;
    StartMenu *menu_ = nullptr;
    CounterWatch counters_;
    std::deque<QString> last_;
    long done_ = 0;
    int exits_ = 0;
    long started_ = 0;
    long completed_ = 0;
    QString closeRefused_;
    QList<std::pair<qint64, QString>> slowest_;
    std::array<int, 8> visits_{};
    QPointer<ExerciseFrame> lastScreen_;
    ExerciseFrame::Counters lastCounters_;
};

void RandomPupil::settle() {
    for (int i = 0; i < 4; ++i)
        QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The counters of the screen on view; with none, those it showed last, as a new screen
// starts from 0.
const ExerciseFrame::Counters &RandomPupil::counters() {
    if (ExerciseFrame *f = visibleWindows(menu_).screen())
        lastCounters_ = f->counters();
    return lastCounters_;
}

void RandomPupil::act(const QString &what, const std::function<void()> &action) {
    ++done_;
    last_.push_back(QStringLiteral("#%1 %2").arg(done_).arg(what));
    if (last_.size() > 30)
        last_.pop_front();
    const bool silentBefore = !ctx_.state.SuonoAttivo;
    const ExerciseFrame::Counters before = counters();
    player_.cues.clear();
    QElapsedTimer clock;
    clock.start();
    action();
    settle();
    if (timing_) {
        const qint64 ns = clock.nsecsElapsed();
        if (slowest_.size() < 5 || ns > slowest_.back().first) {
            slowest_.append({ns, last_.back()});
            std::sort(slowest_.begin(), slowest_.end(), std::greater<>());
            if (slowest_.size() > 5)
                slowest_.removeLast();
        }
    }
    noteVisit();
    const ExerciseFrame::Counters after = counters();
    completed_ += std::max(0, after.Eseguite - before.Eseguite);
    started_ += std::max(0, after.Avviate - before.Avviate);
    for (int cue : std::as_const(player_.cues))
        if (cue < 101 || cue > 106)
            gMessages << QStringLiteral("cue %1 played").arg(cue);
    if (silentBefore && !ctx_.state.SuonoAttivo && !player_.cues.isEmpty())
        gMessages << QStringLiteral("a cue played with the sound off");
}

// Every rule; prints the evidence and returns false when one is broken.
bool RandomPupil::checked() {
    QString broken;
    if (!gMessages.isEmpty())
        broken = gMessages.join(QLatin1String(" | "));
    else if (!closeRefused_.isEmpty())
        broken = closeRefused_;
    const VisibleWindows v = visibleWindows(menu_);
    if (broken.isEmpty())
        broken = checkWindows(v);
    if (ExerciseFrame *f = v.screen(); f && broken.isEmpty()) {
        broken = checkKeypadAndStep(*f);
        if (broken.isEmpty())
            broken = counters_.check(*f);
        if (broken.isEmpty())
            broken = checkExpectedAnswer(*f);
    }
    if (broken.isEmpty())
        return true;
    std::fprintf(stderr, "BROKEN after action %ld (seed %llu): %s\nlast actions:\n", done_,
                 static_cast<unsigned long long>(seed_), qPrintable(broken));
    for (const QString &a : last_)
        std::fprintf(stderr, "  %s\n", qPrintable(a));
    return false;
}

void RandomPupil::activate(QWidget *window) {
    // A click on a window makes it the active one first, as a window manager does.
    if (QApplication::activeWindow() != window) {
        window->activateWindow();
        QCoreApplication::processEvents();
    }
}

void RandomPupil::click(QWidget *w, Qt::MouseButton button, QPoint at) {
    activate(w->window());
    if (!w->isVisible())
        return; // the activation dismissed it
    QTest::mouseClick(w, button, {}, at.isNull() ? w->rect().center() : at);
}

void RandomPupil::key(QWidget *w, const Key &k) {
    QTest::keyClick(w, Qt::Key(k.code), k.mods);
}

QWidget *RandomPupil::keyTarget(QWidget *window) const {
    QWidget *focus = QApplication::focusWidget();
    return focus && focus->isVisible() ? focus : window;
}

void RandomPupil::clearBox(QLineEdit *box) {
    click(box);
    if (!box->isVisible())
        return;
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCoreApplication::processEvents();
}

void RandomPupil::keypadType(ExerciseFrame &f, const QString &digits) {
    for (QChar c : digits) {
        click(f.findChild<QWidget *>(QStringLiteral("Cmd_") + c));
        QCoreApplication::processEvents();
    }
}

// The right answer to the box asked now, cleared first and typed on the keypad, then OK.
bool RandomPupil::answerRight(ExerciseFrame &f) {
    if (!okUsable(f))
        return false;
    QLineEdit *box = f.keypadTargetBox();
    if (!box)
        return false;
    const DivisionProcedure::Rewrite *r = rewriteOf(f);
    const StepMemory s = stepMemory(f);
    const int want = inRewrite(f) ? r->Reciproco[r->CampoDiv] : s.Risposte[s.Passo];
    clearBox(box);
    keypadType(f, QString::number(want));
    click(f.okButton());
    return true;
}

void RandomPupil::typeProblem(ExerciseFrame &f, const QList<int> &operands) {
    const char *const entries[] = {"txtInsNum1", "txtInsDen1", "txtInsNum2", "txtInsDen2"};
    for (int i = 0; i < 4; ++i) {
        auto *box = f.findChild<QLineEdit *>(QLatin1String(entries[i]));
        if (!box)
            return;
        clearBox(box);
        keypadType(f, QString::number(operands[i]));
    }
}

QList<QWidget *> RandomPupil::controls(QWidget *window) const {
    QList<QWidget *> out;
    for (QWidget *w : window->findChildren<QWidget *>())
        if (w->isVisible() && (qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w)))
            out << w;
    return out;
}

void RandomPupil::onWindow(QWidget *window) {
    const QList<QWidget *> all = controls(window);
    // The start menu is only a way through: mostly clicks, so every screen is reached often.
    const int kind = window == menu_ && chance(0.6) ? 0 : pick(100);
    if (kind < 45 && !all.isEmpty()) {
        QWidget *w = all[pick(int(all.size()))];
        // "Esci" would end most visits too soon for the exercises to get anywhere.
        if (w->objectName() == QLatin1String("cmdExit") && !chance(0.5))
            w = all[pick(int(all.size()))];
        const QPoint at(pick(std::max(1, w->width())), pick(std::max(1, w->height())));
        act(QStringLiteral("click %1").arg(nameOf(w)), [=, this] { click(w, Qt::LeftButton, at); });
    } else if (kind < 48 && !all.isEmpty()) {
        QWidget *w = all[pick(int(all.size()))];
        act(QStringLiteral("right click %1").arg(nameOf(w)),
            [=, this] { click(w, Qt::RightButton); });
    } else if (kind < 50 && !all.isEmpty()) {
        QWidget *w = all[pick(int(all.size()))];
        act(QStringLiteral("double click %1").arg(nameOf(w)), [=, this] {
            click(w);
            if (w->isVisible())
                QTest::mouseDClick(w, Qt::LeftButton);
        });
    } else if (kind < 56) {
        const QPoint at(pick(window->width()), pick(window->height()));
        QWidget *w = window->childAt(at);
        QWidget *target = w ? w : window;
        const QPoint local = w ? w->mapFrom(window, at) : at;
        act(QStringLiteral("click %1 at %2,%3").arg(nameOf(target)).arg(at.x()).arg(at.y()),
            [=, this] { click(target, Qt::LeftButton, local); });
    } else if (kind < 90) {
        const Key &k = kKeys[pick(int(std::size(kKeys)))];
        QWidget *target = keyTarget(window);
        act(QStringLiteral("key %1 on %2").arg(QLatin1String(k.name), nameOf(target)),
            [=, this] { key(target, k); });
    } else if (kind < 97) {
        const QString text = kClipboardTexts[pick(int(kClipboardTexts.size()))];
        QWidget *target = keyTarget(window);
        act(QStringLiteral("paste \"%1\" (%2 chars) on %3")
                .arg(text.left(8))
                .arg(text.size())
                .arg(nameOf(target)),
            [=] {
                QGuiApplication::clipboard()->setText(text);
                QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
            });
    } else {
        act(QStringLiteral("Alt+F4 on %1").arg(nameOf(window)), [=, this] {
            QTest::keyClick(keyTarget(window), Qt::Key_F4, Qt::AltModifier);
            // What the window manager does on Alt+F4 or the title bar's close button.
            window->close();
            if (!window->isVisible())
                closeRefused_ = nameOf(window) + QLatin1String(" closed on request");
        });
    }
}

void RandomPupil::onScreen(ExerciseFrame &f) {
    const int kind = pick(100);
    const bool typed = f.findChild<QLineEdit *>(QStringLiteral("txtInsNum1")) != nullptr;
    if (kind < 40 && okUsable(f)) {
        act(QStringLiteral("right answer on %1, step %2")
                .arg(f.objectName())
                .arg(stepMemory(f).Passo),
            [&f, this] { answerRight(f); });
    } else if (kind < 45 && typed) {
        const QList<int> p = {pick(100), 1 + pick(99), 1 + pick(99), 1 + pick(99)};
        act(QStringLiteral("type %1/%2 , %3/%4 and start").arg(p[0]).arg(p[1]).arg(p[2]).arg(p[3]),
            [&f, p, this] {
                typeProblem(f, p);
                click(f.startButton());
            });
    } else if (kind < 47) {
        act(QStringLiteral("Avvio on %1").arg(f.objectName()),
            [&f, this] { click(f.startButton()); });
    } else if (kind < 48) {
        act(QStringLiteral("Esci on %1").arg(f.objectName()),
            [&f, this] { click(f.exitButton()); });
    } else if (kind < 58) {
        // Several keys clicked before any of their events is handled.
        QStringList keys;
        const int n = 2 + pick(5);
        for (int i = 0; i < n; ++i)
            keys << (chance(0.15)  ? QStringLiteral("Cmd_invio")
                     : chance(0.1) ? QStringLiteral("Cmd_backspace")
                                   : QStringLiteral("Cmd_%1").arg(pick(10)));
        act(QStringLiteral("keypad burst %1").arg(keys.join(QLatin1Char(' '))), [&f, keys] {
            for (const QString &k : keys)
                if (auto *b = f.findChild<PictureButton *>(k))
                    QTest::mouseClick(b, Qt::LeftButton);
        });
    } else {
        onWindow(&f);
    }
}

void RandomPupil::randomAction() {
    const VisibleWindows v = visibleWindows(menu_);
    if (!v.infos.isEmpty() && chance(0.5)) {
        onWindow(v.infos.front());
        return;
    }
    if (ExerciseFrame *f = v.screen())
        onScreen(*f);
    else
        onWindow(menu_);
}

bool RandomPupil::run(long actions) {
    while (done_ < actions) {
        randomAction();
        if (!checked())
            return false;
    }
    return true;
}

void RandomPupil::noteVisit() {
    static const char *const names[] = {"frmAdd",  "frmSott",  "frmMolt",  "frmDiv",
                                        "frmAdd2", "frmSott2", "frmMolt2", "frmDiv2"};
    ExerciseFrame *f = visibleWindows(menu_).screen();
    if (f && f != lastScreen_)
        for (int i = 0; i < 8; ++i)
            if (f->objectName() == QLatin1String(names[i]))
                ++visits_[i];
    lastScreen_ = f;
}

// Every window once, in a fixed order: each screen opened from the menu, one exercise worked
// through with a wrong answer, a paste and a repeat, the solution shown, left with "Esci";
// then the information window and the sound switch.
bool RandomPupil::tour() {
    struct Stop {
        const char *mode;
        const char *operation;
    };
    const Stop stops[] = {
        {"cmdComputer", "CmdAddizione1"},
        {"cmdComputer", "CmdSottrazione"},
        {"cmdComputer", "CmdMoltiplicazione1"},
        {"cmdComputer", "cmdDivisione1"},
        {"cmdTe", "CmdAddizione1"},
        {"cmdTe", "CmdSottrazione"},
        {"cmdTe", "CmdMoltiplicazione1"},
        {"cmdTe", "cmdDivisione1"},
    };
    const auto step = [this](const QString &what, const std::function<void()> &action) {
        act(what, action);
        return checked();
    };
    const auto menuButton = [this](const char *name) {
        return menu_->findChild<QWidget *>(QLatin1String(name));
    };
    for (const Stop &stop : stops) {
        if (!step(QLatin1String(stop.mode), [&] { click(menuButton(stop.mode)); }) ||
            !step(QLatin1String(stop.operation), [&] { click(menuButton(stop.operation)); }))
            return false;
        ExerciseFrame *f = visibleWindows(menu_).screen();
        if (!f)
            return false;
        if (!step(QStringLiteral("start"), [&] {
                typeProblem(*f, {8, 12, 3, 9});
                click(f->startButton());
            }))
            return false;
        if (!step(QStringLiteral("wrong answer"), [&] {
                keypadType(*f, QStringLiteral("0"));
                click(f->okButton());
            }))
            return false;
        if (!step(QStringLiteral("paste"), [&] {
                QGuiApplication::clipboard()->setText(QString(10000, QLatin1Char('7')));
                QTest::keyClick(keyTarget(f), Qt::Key_V, Qt::ControlModifier);
                click(f->okButton());
            }))
            return false;
        for (int i = 0; i < 20 && okUsable(*f); ++i)
            if (!step(QStringLiteral("right answer"), [&] { answerRight(*f); }))
                return false;
        for (const char *name : {"cmdRipeti", "cmdSoluzione", "cmdExit"})
            if (!step(QLatin1String(name),
                      [&] { click(f->findChild<QWidget *>(QLatin1String(name))); }))
                return false;
    }
    for (const char *name : {"cmdInfo", "Check1", "Check1"})
        if (!step(QLatin1String(name), [&] { click(menuButton(name)); }))
            return false;
    if (!step(QStringLiteral("info OK"), [&] {
            if (InfoWindow *info = menu_->infoWindow())
                click(info->findChild<QWidget *>(QStringLiteral("cmdOK")));
        }))
        return false;
    return visibleWindows(menu_).infos.isEmpty();
}

void RandomPupil::report(double seconds) const {
    std::printf("%ld actions in %.1f s: %.0f actions per second\n", done_, seconds,
                seconds > 0 ? done_ / seconds : 0.0);
    std::printf("%ld exercises started, %ld completed\n", started_, completed_);
    std::printf("visits: frmAdd %d, frmSott %d, frmMolt %d, frmDiv %d, frmAdd2 %d, frmSott2 %d, "
                "frmMolt2 %d, frmDiv2 %d; the start menu's Esci pressed %d times\n",
                visits_[0], visits_[1], visits_[2], visits_[3], visits_[4], visits_[5], visits_[6],
                visits_[7], exits_);
    for (const auto &[ns, what] : slowest_)
        std::printf("slow: %.1f ms  %s\n", ns / 1e6, qPrintable(what));
}

} // namespace

int main(int argc, char *argv[]) {
    long actions = 20000;
    uint64_t seed = 20261209;
    bool timing = false;
    bool tour = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        const QByteArray value = i + 1 < argc ? QByteArray(argv[i + 1]) : QByteArray();
        if (arg == "--actions" && !value.isEmpty()) {
            actions = value.toLong();
            ++i;
        } else if (arg == "--seed" && !value.isEmpty()) {
            seed = value == "clock"
                       ? uint64_t(std::chrono::steady_clock::now().time_since_epoch().count())
                       : value.toULongLong();
            ++i;
        } else if (arg == "--timing") {
            timing = true;
        } else if (arg == "--tour") {
            tour = true;
        } else {
            std::fprintf(stderr, "usage: %s [--actions N] [--seed S|clock] [--timing] [--tour]\n",
                         argv[0]);
            return 2;
        }
    }
    // A desktop session provides these; without them Qt warns before the program does anything.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/quivelle-pupil-runtime";
        QDir().mkpath(QString::fromLocal8Bit(dir));
        QFile::setPermissions(QString::fromLocal8Bit(dir),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
#ifndef __EMSCRIPTEN__
    // In a browser the page's own platform is the only one there is.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    qInstallMessageHandler(recordMessage);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    if (tour)
        std::printf("random pupil: a scripted tour of every window\n");
    else
        std::printf("random pupil: seed %llu, %ld actions\n", static_cast<unsigned long long>(seed),
                    actions);
    std::fflush(stdout);
    QElapsedTimer clock;
    clock.start();
    bool ok = false;
    {
        RandomPupil pupil(seed, timing);
        ok = tour ? pupil.tour() : pupil.run(actions);
        pupil.report(clock.nsecsElapsed() / 1e9);
    }
    std::printf("%s\n", ok ? "clean" : "FAILED");
    return ok ? 0 : 1;
}
