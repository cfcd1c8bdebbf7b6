// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise_screens.h"

#include "addsub_procedure.h"
#include "app_context.h"
#include "division_procedure.h"
#include "exercise_frame.h"
#include "multiplication_procedure.h"
#include "pupil_entry_frame.h"
#include "pupil_entry_screen.h"
#include "range_options.h"

#include <QPointer>

namespace {
// The only place that pairs an operation with a problem source.
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

Procedure *makeProcedure(ExerciseFrame &frame, Operation op, bool pupilEntry) {
    switch (op) {
    case Operation::Addition:
        return new AddSubProcedure(frame, false);
    case Operation::Subtraction:
        return new AddSubProcedure(frame, true);
    case Operation::Multiplication:
        return new MultiplicationProcedure(frame, pupilEntry);
    case Operation::Division:
        break;
    }
    return new DivisionProcedure(frame, pupilEntry);
}

EntrySign signOf(Operation op) {
    switch (op) {
    case Operation::Addition:
        return EntrySign::Plus;
    case Operation::Subtraction:
        return EntrySign::Minus;
    case Operation::Multiplication:
        return EntrySign::Times;
    case Operation::Division:
        break;
    }
    return EntrySign::Divide;
}
} // namespace

QWidget *openExerciseScreen(AppContext &ctx, Operation op, ProblemSource source,
                            QWidget *startMenu) {
    const ScreenRow *row = nullptr;
    for (const ScreenRow &r : kScreens)
        if (r.op == op && r.source == source)
            row = &r;
    // The table has a row for every operation and source the start menu can ask for.
    Q_ASSERT(row);
    // At most one exercise screen at a time.
    delete openScreen;

    // Built in this order: the common frame, the operation's working area, the source; then
    // loaded, the frame's common part first and the source's last (the random screens'
    // ranges, the entry frame's first box).
    auto *frame = new ExerciseFrame(ctx, row->kind, startMenu);
    const bool pupilEntry = source == ProblemSource::Pupil;
    Procedure *procedure = makeProcedure(*frame, op, pupilEntry);
    SourcePanel *panel = nullptr;
    if (pupilEntry)
        panel = new PupilEntryScreen(*frame, op, signOf(op), *procedure);
    else
        panel = new RangeOptions(*frame, *procedure, op);
    frame->plug(*procedure, *panel);
    frame->load();

    openScreen = frame;
    frame->showAndActivate(startMenu);
    return frame;
}
