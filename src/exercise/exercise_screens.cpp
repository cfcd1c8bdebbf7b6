#include "exercise_screens.h"

#include "app_context.h"
#include "picture_button.h"
#include "program_window.h"

#include <QLabel>
#include <QPointer>

namespace {
struct ScreenRow {
    Operation op;
    ProblemSource source;
    const char *windowName;
    const char *title;
};

constexpr ScreenRow kScreens[] = {
    {Operation::Addition, ProblemSource::Computer, "frmAdd", "Addizione"},
    {Operation::Subtraction, ProblemSource::Computer, "frmSott", "Sottrazione"},
    {Operation::Multiplication, ProblemSource::Computer, "frmMolt", "Moltiplicazione"},
    {Operation::Division, ProblemSource::Computer, "frmDiv", "Divisione"},
    {Operation::Addition, ProblemSource::Pupil, "frmAdd2", "Addizione"},
    {Operation::Subtraction, ProblemSource::Pupil, "frmSott2", "Sottrazione"},
    {Operation::Multiplication, ProblemSource::Pupil, "frmMolt2", "Moltiplicazione"},
    {Operation::Division, ProblemSource::Pupil, "frmDiv2", "Divisione"},
};

QPointer<QWidget> openScreen;
} // namespace

QWidget *openExerciseScreen(AppContext &ctx, Operation op, ProblemSource source,
                            QWidget *startMenu) {
    const ScreenRow *row = nullptr;
    for (const ScreenRow &r : kScreens)
        if (r.op == op && r.source == source)
            row = &r;
    delete openScreen;
    auto *screen = new ProgramWindow;
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->setObjectName(QString::fromLatin1(row->windowName));
    screen->setWindowTitle(QString::fromLatin1(row->title));
    screen->setClientSize(632, 453);
    auto *title = new QLabel(QString::fromLatin1(row->title), screen);
    title->setObjectName(QStringLiteral("Label4"));
    title->setGeometry(136, 0, 337, 57);
    auto *exit = new PictureButton(QStringLiteral("Esci"), looks::green, screen);
    exit->setObjectName(QStringLiteral("cmdExit"));
    exit->setGeometry(492, 368, 109, 33);
    QObject::connect(exit, &QAbstractButton::clicked, screen, [&ctx, screen, startMenu] {
        ctx.suona(CueClick);
        if (startMenu)
            startMenu->show();
        screen->deleteLater();
    });
    openScreen = screen;
    screen->showAndActivate();
    return screen;
}
