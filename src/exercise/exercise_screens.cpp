// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise_screens.h"

#include "addsub_procedure.h"
#include "app_context.h"
#include "division_procedure.h"
#include "exercise_frame.h"
#include "exercise_layout.h"
#include "multiplication_procedure.h"
#include "pupil_entry_frame.h"
#include "pupil_entry_screen.h"
#include "range_options.h"
#include "working_layout.h"

#include <QPointer>

namespace {
struct ScreenRow;
using MakeOperation = Procedure *(*)(ExerciseFrame &frame, QPoint shift);
using MakeSource = SourcePanel *(*)(ExerciseFrame &frame, Procedure &procedure,
                                    const ScreenRow &row);

// One exercise screen: everything that makes it differ from the other seven. This table is
// the only place that pairs an operation with a problem source.
struct ScreenRow {
    Operation op;
    ProblemSource source;
    ExerciseFrame::Setup frame;
    MakeOperation makeOperation;
    // Of the working area, from where the operation's table has it.
    QPoint shift;
    MakeSource makeSource;
    // Between the two fractions the pupil types (the pupil-entry screens).
    EntrySign sign;
};

SourcePanel *drawn(ExerciseFrame &frame, Procedure &procedure, const ScreenRow &row) {
    return new RangeOptions(frame, procedure, row.op);
}

SourcePanel *typed(ExerciseFrame &frame, Procedure &procedure, const ScreenRow &row) {
    return new PupilEntryScreen(frame, row.op, row.sign, procedure);
}

Procedure *addition(ExerciseFrame &frame, QPoint shift) {
    return new AddSubProcedure(frame, shift, "+", AddSubProcedure::Refusal::KeepsStep);
}

Procedure *subtraction(ExerciseFrame &frame, QPoint shift) {
    return new AddSubProcedure(frame, shift, "-", AddSubProcedure::Refusal::ClearsStep);
}

Procedure *multiplication(ExerciseFrame &frame, QPoint shift) {
    return new MultiplicationProcedure(frame, shift);
}

// "Ripeti" on frmDiv restarts through the start button and plays its cue too.
Procedure *divisionRestartingThroughStart(ExerciseFrame &frame, QPoint shift) {
    return new DivisionProcedure(frame, shift, DivisionProcedure::RepeatCue::ClickThenStart);
}

Procedure *division(ExerciseFrame &frame, QPoint shift) {
    return new DivisionProcedure(frame, shift, DivisionProcedure::RepeatCue::ClickOnly);
}

namespace f = layout::frame;
constexpr const char *kPress = "Premi Avvio per cominciare";
constexpr const char *kType = "Inserisci i numeri e premi Avvio per cominciare";
constexpr QPoint kNoShift{};
constexpr QPoint kMolt2Shift = layout::product::kShiftMolt2;
constexpr QPoint kDivShift = layout::product::kShiftDivision;
constexpr EntrySign kPlus = EntrySign::Plus, kMinus = EntrySign::Minus;
constexpr EntrySign kTimes = EntrySign::Times, kDivide = EntrySign::Divide;

// Window, title, start button and where it sits, where "Avviate" and the message line sit,
// the first message, whether "Ripeti" stays usable during a product; then the operation, its
// shift, the source and the sign between the typed fractions.
const ScreenRow kScreens[] = {
    {Operation::Addition,
     ProblemSource::Computer,
     {"frmAdd", "Addizione", "cmdAvvio", f::kStartRandom, f::kAvviateCaption, f::kNotice, kPress,
      false},
     addition,
     kNoShift,
     drawn,
     kPlus},
    {Operation::Subtraction,
     ProblemSource::Computer,
     {"frmSott", "Sottrazione", "cmdAvvio", f::kStartRandom, f::kAvviateCaption, f::kNotice, kPress,
      false},
     subtraction,
     kNoShift,
     drawn,
     kMinus},
    {Operation::Multiplication,
     ProblemSource::Computer,
     {"frmMolt", "Moltiplicazione", "cmdAvvio", f::kStartRandom, f::kAvviateCaption, f::kNotice,
      kPress, false},
     multiplication,
     kNoShift,
     drawn,
     kTimes},
    {Operation::Division,
     ProblemSource::Computer,
     {"frmDiv", "Divisione", "cmdStartDiv", f::kStartRandom, f::kAvviateCaption, f::kNoticeDiv,
      kPress, true},
     divisionRestartingThroughStart,
     kDivShift,
     drawn,
     kDivide},
    {Operation::Addition,
     ProblemSource::Pupil,
     {"frmAdd2", "Addizione", "cmdAvvio", f::kStartPupil, f::kAvviateCaptionPupil, f::kNotice,
      kType, false},
     addition,
     kNoShift,
     typed,
     kPlus},
    {Operation::Subtraction,
     ProblemSource::Pupil,
     {"frmSott2", "Sottrazione", "cmdAvvio", f::kStartPupil, f::kAvviateCaptionPupil, f::kNotice,
      kType, false},
     subtraction,
     kNoShift,
     typed,
     kMinus},
    {Operation::Multiplication,
     ProblemSource::Pupil,
     {"frmMolt2", "Moltiplicazione", "cmdAvvio", f::kStartPupil, f::kAvviateCaptionPupil,
      f::kNoticeMolt2, kType, true},
     multiplication,
     kMolt2Shift,
     typed,
     kTimes},
    {Operation::Division,
     ProblemSource::Pupil,
     {"frmDiv2", "Divisione", "cmdStartDiv", f::kStartPupil, f::kAvviateCaptionPupil,
      f::kNoticeDiv2, kType, true},
     division,
     kDivShift,
     typed,
     kDivide},
};

QPointer<QWidget> openScreen;
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
    auto *frame = new ExerciseFrame(ctx, row->frame, startMenu);
    Procedure *procedure = row->makeOperation(*frame, row->shift);
    SourcePanel *panel = row->makeSource(*frame, *procedure, *row);
    frame->plug(*procedure, *panel);
    frame->load();

    openScreen = frame;
    frame->showAndActivate(startMenu);
    return frame;
}
