#include "exercise_screens.h"

#include "addsub_procedure.h"
#include "app_context.h"
#include "exercise_frame.h"
#include "keypad.h"
#include "picture_button.h"
#include "pupil_entry_screen.h"
#include "range_options.h"

#include <QPointer>

namespace {
struct ScreenRow {
    Operation op;
    ProblemSource source;
    ExerciseFrame::Kind kind;
};

constexpr ScreenRow kScreens[] = {
    {Operation::Addition, ProblemSource::Computer, {"frmAdd", "Addizione", false, false}},
    {Operation::Subtraction, ProblemSource::Computer, {"frmSott", "Sottrazione", false, false}},
    {Operation::Multiplication,
     ProblemSource::Computer,
     {"frmMolt", "Moltiplicazione", false, false}},
    {Operation::Division, ProblemSource::Computer, {"frmDiv", "Divisione", false, true}},
    {Operation::Addition, ProblemSource::Pupil, {"frmAdd2", "Addizione", true, false}},
    {Operation::Subtraction, ProblemSource::Pupil, {"frmSott2", "Sottrazione", true, false}},
    {Operation::Multiplication, ProblemSource::Pupil, {"frmMolt2", "Moltiplicazione", true, false}},
    {Operation::Division, ProblemSource::Pupil, {"frmDiv2", "Divisione", true, true}},
};

QPointer<QWidget> openScreen;

// The random screens: range frames on the left, "fino a 25" in both, keypad off until
// the first "Avvio".
void attachRanges(ExerciseFrame &frame, AddSubProcedure *addSub) {
    std::function<void()> reset;
    if (addSub)
        reset = [addSub] { addSub->AzzeraSchermo(); };
    else // the multiplication and division working areas are not built yet
        reset = [&frame] {
            frame.solutionButton()->setEnabled(false);
            frame.repeatButton()->setEnabled(false);
            frame.keypadFrame()->setEnabled(false);
        };
    auto *ranges = new RangeOptions(frame.context(), &frame, reset);
    ranges->selectDefaults();
    frame.keypadFrame()->setEnabled(false);
    if (addSub)
        frame.hooks().start = [addSub] { addSub->startRandom(); };
}
} // namespace

QWidget *openExerciseScreen(AppContext &ctx, Operation op, ProblemSource source,
                            QWidget *startMenu) {
    const ScreenRow *row = nullptr;
    for (const ScreenRow &r : kScreens)
        if (r.op == op && r.source == source)
            row = &r;
    // At most one exercise screen at a time.
    delete openScreen;

    auto *frame = new ExerciseFrame(ctx, row->kind, startMenu);
    frame->load();
    AddSubProcedure *addSub = nullptr;
    if (op == Operation::Addition || op == Operation::Subtraction)
        addSub = new AddSubProcedure(*frame, op == Operation::Subtraction);
    if (source == ProblemSource::Computer)
        attachRanges(*frame, addSub);
    else
        attachPupilEntry(*frame, op, addSub);

    openScreen = frame;
    frame->showAndActivate();
    return frame;
}
