// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures of the exercise screens in chosen states, for the README and for looking at a
// screen before calling it done:
//
//   xvfb-run -a build/bench/exercise_shots <file.png> <scene>
//
// A scene opens one screen, plays fixed draws or types a problem, and clicks its way to the
// state shown. Run without arguments for the list of scenes.

#include "app_context.h"
#include "exercise_screens.h"
#include "random_source.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <deque>

namespace {
class SilentPlayer : public SoundPlayer {
  public:
    void play(int, const QByteArray &) override {}
};

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

struct Scene {
    const char *name;
    Operation op;
    ProblemSource source;
    int problem[4];
    // Space-separated: a button's name, or "=N" for N typed on the keypad and confirmed.
    const char *actions;
};

const Scene kScenes[] = {
    {"add-mid",
     Operation::Addition,
     ProblemSource::Computer,
     {2, 4, 1, 6},
     "cmdAvvio =1 =2 =6 Cmd_3"},
    {"add-done",
     Operation::Addition,
     ProblemSource::Computer,
     {2, 4, 1, 6},
     "cmdAvvio =1 =2 =6 =3 =1 =4 =6 =2 =3"},
    {"molt-diagonal",
     Operation::Multiplication,
     ProblemSource::Computer,
     {4, 6, 9, 10},
     "cmdAvvio =2 =3 Cmd_1"},
    {"molt-solution",
     Operation::Multiplication,
     ProblemSource::Computer,
     {6, 8, 10, 15},
     "cmdAvvio cmdSoluzione"},
    {"molt2-typed",
     Operation::Multiplication,
     ProblemSource::Pupil,
     {12, 25, 10, 9},
     "cmdAvvio =4 =3"},
    {"div-rewrite",
     Operation::Division,
     ProblemSource::Computer,
     {4, 9, 2, 3},
     "cmdStartDiv =4 =9 Cmd_3"},
    {"div-product",
     Operation::Division,
     ProblemSource::Computer,
     {4, 9, 2, 3},
     "cmdStartDiv =4 =9 =3 =2 =2 =1"},
    {"div-solution",
     Operation::Division,
     ProblemSource::Computer,
     {6, 8, 9, 12},
     "cmdStartDiv =6 =8 cmdSoluzione"},
    {"div2-typed",
     Operation::Division,
     ProblemSource::Pupil,
     {3, 4, 5, 8},
     "cmdStartDiv =3 =4 =8 =5 Cmd_1"},
};

void click(QWidget *screen, const QString &name) {
    QTest::mouseClick(screen->findChild<QAbstractButton *>(name), Qt::LeftButton);
    QCoreApplication::processEvents();
}

void keypadEnter(QWidget *screen, const QString &digits, bool confirm) {
    for (QChar c : digits)
        click(screen, QStringLiteral("Cmd_") + c);
    if (confirm)
        click(screen, QStringLiteral("Cmd_invio"));
}

// Types the problem into the entry frame as a pupil does: click a box, then the keypad.
void typeProblem(QWidget *screen, const int (&problem)[4]) {
    const char *boxes[] = {"txtInsNum1", "txtInsDen1", "txtInsNum2", "txtInsDen2"};
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(screen->findChild<QLineEdit *>(QLatin1String(boxes[i])), Qt::LeftButton);
        QCoreApplication::processEvents();
        keypadEnter(screen, QString::number(problem[i]), false);
    }
}

int shoot(const Scene &scene, const QString &file) {
    SilentPlayer silent;
    FixedRandom fixed;
    AppContext ctx;
    ctx.sound = &silent;
    ctx.random = &fixed;
    for (int v : scene.problem)
        fixed.script.push_back((v - 0.5) / 25);
    QWidget menu;
    QWidget *screen = openExerciseScreen(ctx, scene.op, scene.source, &menu);
    if (!QTest::qWaitForWindowExposed(screen))
        return 1;
    if (scene.source == ProblemSource::Pupil)
        typeProblem(screen, scene.problem);
    for (const QString &a : QString::fromLatin1(scene.actions).split(QLatin1Char(' '))) {
        if (a.startsWith(QLatin1Char('=')))
            keypadEnter(screen, a.mid(1), true);
        else
            click(screen, a);
    }
    QTest::qWait(200);
    return screen->grab().save(file) ? 0 : 1;
}
} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    for (const Scene &scene : kScenes)
        if (args.size() == 3 && args[2] == QLatin1String(scene.name))
            return shoot(scene, args[1]);
    std::fprintf(stderr, "usage: exercise_shots <file.png> <scene>\nscenes:");
    for (const Scene &scene : kScenes)
        std::fprintf(stderr, " %s", scene.name);
    std::fprintf(stderr, "\n");
    return 2;
}
