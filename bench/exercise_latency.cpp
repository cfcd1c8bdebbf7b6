// Exercise screen latency, on random problems drawn from the clock:
//  - opening a screen until it is shown;
//  - "Avvio" until the first box has the focus (on the multiplication and division
//    screens the solution routine runs inside it);
//  - the division's fourth rewrite box confirmed until the first product step has the
//    focus (the solution routine again);
//  - a keypad click until its digit is in the box.
// Prints the median and the slowest of each over a number of runs (default 40):
//
//   xvfb-run -a build/bench/exercise_latency [runs]

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
#include <vector>

namespace {
class SilentPlayer : public SoundPlayer {
  public:
    void play(int, const QByteArray &) override {}
};

void click(QWidget *screen, const QString &name) {
    QTest::mouseClick(screen->findChild<QAbstractButton *>(name), Qt::LeftButton);
}

struct Figure {
    const char *what;
    std::vector<double> ms;
    void print() const {
        std::vector<double> v = ms;
        std::sort(v.begin(), v.end());
        std::printf("  %-44s median %7.3f ms, slowest %7.3f ms (%zu runs)\n", what, v[v.size() / 2],
                    v.back(), v.size());
    }
};

double since(const QElapsedTimer &t) {
    return t.nsecsElapsed() / 1e6;
}

// Processes events until the focus is on box, as the pupil would see it arrive.
void waitForFocus(QWidget *box) {
    while (QApplication::focusWidget() != box)
        QCoreApplication::processEvents();
}

int measure(AppContext &ctx, Operation op, const char *name, int runs) {
    QWidget menu;
    Figure opened{"open -> shown", {}}, started{"Avvio -> first box focused", {}},
        product{"4th rewrite OK -> first product step focused", {}},
        typed{"keypad click -> digit in box", {}};
    const bool division = op == Operation::Division;
    const QString start = division ? QStringLiteral("cmdStartDiv") : QStringLiteral("cmdAvvio");
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        QWidget *screen = openExerciseScreen(ctx, op, ProblemSource::Computer, &menu);
        if (!QTest::qWaitForWindowExposed(screen))
            return 1;
        opened.ms.push_back(since(t));

        t.restart();
        click(screen, start);
        QWidget *first = division ? screen->findChild<QLineEdit *>(QStringLiteral("txtNum1"))
                                  : screen->findChild<QLineEdit *>(
                                        QStringLiteral("txtFraz(%1)").arg(ctx.state.Passo));
        waitForFocus(first);
        started.ms.push_back(since(t));

        if (division) {
            const SharedState &s = ctx.state;
            for (int campo = 1; campo <= 4; ++campo) {
                const QString boxes[] = {"txtNum1", "txtDen1", "txtNum2", "txtDen2"};
                screen->findChild<QLineEdit *>(boxes[campo - 1])
                    ->setText(QString::number(s.Reciproco[campo]));
                t.restart();
                click(screen, QStringLiteral("Cmd_invio"));
            }
            waitForFocus(
                screen->findChild<QLineEdit *>(QStringLiteral("txtFraz(%1)").arg(s.Passo)));
            product.ms.push_back(since(t));
        }

        auto *box = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        const QString before = box->text();
        t.restart();
        click(screen, QStringLiteral("Cmd_5"));
        while (box->text() == before)
            QCoreApplication::processEvents();
        typed.ms.push_back(since(t));
    }
    std::printf("%s\n", name);
    opened.print();
    started.print();
    if (division)
        product.print();
    typed.print();
    return 0;
}
} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    SilentPlayer silent;
    ClockRandomSource clock;
    AppContext ctx;
    ctx.sound = &silent;
    ctx.random = &clock;
    const QStringList args = app.arguments();
    const int runs = args.size() > 1 ? std::max(1, args[1].toInt()) : 40;
    int failed = 0;
    failed |= measure(ctx, Operation::Addition, "frmAdd", runs);
    failed |= measure(ctx, Operation::Multiplication, "frmMolt", runs);
    failed |= measure(ctx, Operation::Division, "frmDiv", runs);
    return failed;
}
