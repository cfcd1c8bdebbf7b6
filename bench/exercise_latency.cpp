// Exercise screen latency: from the call that opens an exercise screen to the screen shown,
// and from a keypad click to its digit in the box. Prints the median and the slowest of
// each over a number of runs (default 40):
//
//   xvfb-run -a build/bench/exercise_latency [runs]
//
// With --shot <file> [mid|done|solution] it instead saves a picture of the addition
// screen in that state (2/4 + 1/6) and ends.

#include "app_context.h"
#include "exercise_screens.h"
#include "random_source.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <deque>
#include <vector>

namespace {
class SilentPlayer : public SoundPlayer {
  public:
    void play(int, const QByteArray &) override {}
};

// Fixed draws, so the pictures always show the same problem.
class FixedRandom : public RandomSource {
  public:
    std::deque<double> script;
    void reseed() override {}
    double next() override {
        if (script.empty())
            return 0.5;
        const double v = script.front();
        script.pop_front();
        return v;
    }
};

void click(QWidget *screen, const char *name) {
    QTest::mouseClick(screen->findChild<QAbstractButton *>(QLatin1String(name)), Qt::LeftButton);
    QCoreApplication::processEvents();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int shot(AppContext &ctx, FixedRandom &random, const QString &file, const QString &state) {
    QWidget menu;
    for (int v : {2, 4, 1, 6})
        random.script.push_back((v - 0.5) / 25);
    QWidget *screen = openExerciseScreen(ctx, Operation::Addition, ProblemSource::Computer, &menu);
    if (!QTest::qWaitForWindowExposed(screen))
        return 1;
    click(screen, "cmdAvvio");
    const char *keys[] = {"Cmd_1", "Cmd_invio", "Cmd_2", "Cmd_invio", "Cmd_6", "Cmd_invio",
                          "Cmd_3", "Cmd_invio", "Cmd_1", "Cmd_invio", "Cmd_4", "Cmd_invio",
                          "Cmd_6", "Cmd_invio", "Cmd_2", "Cmd_invio", "Cmd_3", "Cmd_invio"};
    const int upTo = state == QLatin1String("done") ? 18 : 7; // mid: step 6 being typed
    for (int i = 0; i < upTo; ++i)
        click(screen, keys[i]);
    if (state == QLatin1String("solution"))
        click(screen, "cmdSoluzione");
    QTest::qWait(200);
    return screen->grab().save(file) ? 0 : 1;
}
} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    SilentPlayer silent;
    FixedRandom fixed;
    ClockRandomSource clock;
    AppContext ctx;
    ctx.sound = &silent;
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == QLatin1String("--shot")) {
        ctx.random = &fixed;
        return shot(ctx, fixed, args[2], args.value(3, QStringLiteral("mid")));
    }
    ctx.random = &clock;
    const int runs = args.size() > 1 ? std::max(1, args[1].toInt()) : 40;
    QWidget menu;
    std::vector<double> opened, typed;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        QWidget *screen =
            openExerciseScreen(ctx, Operation::Addition, ProblemSource::Computer, &menu);
        if (!QTest::qWaitForWindowExposed(screen))
            return 1;
        opened.push_back(t.nsecsElapsed() / 1e6);

        click(screen, "cmdAvvio");
        auto *box =
            screen->findChild<QLineEdit *>(QStringLiteral("txtFraz(%1)").arg(ctx.state.Passo));
        const QString before = box->text();
        t.restart();
        QTest::mouseClick(screen->findChild<QAbstractButton *>(QStringLiteral("Cmd_5")),
                          Qt::LeftButton);
        while (box->text() == before)
            QCoreApplication::processEvents();
        typed.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("open exercise screen -> shown: median %.2f ms, slowest %.2f ms (%d runs)\n",
                median(opened), *std::max_element(opened.begin(), opened.end()), runs);
    std::printf("keypad click -> digit in box: median %.3f ms, slowest %.3f ms (%d runs)\n",
                median(typed), *std::max_element(typed.begin(), typed.end()), runs);
    return 0;
}
