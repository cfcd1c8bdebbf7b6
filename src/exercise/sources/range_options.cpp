// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "range_options.h"

#include "app_context.h"
#include "exercise_frame.h"
#include "exercise_layout.h"
#include "fonts.h"
#include "procedure.h"
#include "random_source.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <cmath>

namespace layout::ranges {
// Where the range frames of the random screens sit.
inline constexpr QRect kNumeratore{20, 68, 117, 129};    // Frame2
inline constexpr QRect kDenominatore{20, 200, 117, 113}; // Frame3
// Option k (from 0) of a frame, relative to the frame.
inline constexpr QRect option(int k) {
    return QRect(10, 20 + 22 * k, 100, 22);
}
} // namespace layout::ranges

namespace {
struct Range {
    const char *caption;
    int max;
};
// "fino a 100" stops at 99: no operand ever has three digits.
constexpr Range kNumRanges[] = {
    {"= 1", 1}, {"fino a 10", 10}, {"fino a 25", 25}, {"fino a 50", 50}, {"fino a 100", 99}};
constexpr Range kDenRanges[] = {
    {"fino a 10", 10}, {"fino a 25", 25}, {"fino a 50", 50}, {"fino a 100", 99}};

QGroupBox *makeFrame(QWidget *screen, const char *name, const QString &caption,
                     const QRect &where) {
    auto *g = new QGroupBox(caption, screen);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(where);
    QFont f(QString::fromLatin1(kArialFace));
    f.setPointSizeF(9);
    f.setBold(true);
    g->setFont(f);
    g->setAutoFillBackground(true);
    QPalette pal = g->palette();
    pal.setColor(QPalette::Window, layout::kLightYellow);
    pal.setColor(QPalette::WindowText, layout::kFrameBlue);
    g->setPalette(pal);
    return g;
}

QRadioButton *makeOption(QGroupBox *frame, const QString &name, const char *caption, int row) {
    auto *o = new QRadioButton(QString::fromLatin1(caption), frame);
    o->setObjectName(name);
    o->setGeometry(layout::ranges::option(row));
    QFont f(QString::fromLatin1(kArialFace));
    f.setPointSizeF(9);
    o->setFont(f);
    QPalette pal = o->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    o->setPalette(pal);
    o->setCursor(Qt::PointingHandCursor);
    o->setFocusPolicy(Qt::NoFocus);
    return o;
}
} // namespace

int drawInRange(int low, int high, double r) {
    const double span = double(high) - double(low) + 1.0;
    const int v = int(std::floor(span * r + double(low)));
    return v > high ? high : v; // r is below 1, so only rounding could reach high + 1
}

DrawnFraction Casuali(const DrawRanges &ranges, RandomSource &random) {
    random.reseed();
    DrawnFraction f;
    f.NumCasuale = drawInRange(ranges.NumMin, ranges.NumMax, random.next());
    f.DenCasuale = drawInRange(ranges.DenMin, ranges.DenMax, random.next());
    return f;
}

RangeOptions::RangeOptions(ExerciseFrame &frame, Procedure &procedure, Operation op)
    : SourcePanel(&frame), frame_(frame), ctx_(frame.context()), procedure_(procedure), op_(op) {
    QWidget *screen = &frame;
    auto *numFrame =
        makeFrame(screen, "Frame2", QStringLiteral("Numeratore"), layout::ranges::kNumeratore);
    auto *denFrame =
        makeFrame(screen, "Frame3", QStringLiteral("Denominatore"), layout::ranges::kDenominatore);
    auto *numGroup = new QButtonGroup(this);
    auto *denGroup = new QButtonGroup(this);
    for (int k = 0; k < 5; ++k) {
        num_[k] =
            makeOption(numFrame, QStringLiteral("optNum%1").arg(k + 1), kNumRanges[k].caption, k);
        numGroup->addButton(num_[k]);
        const int max = kNumRanges[k].max;
        connect(num_[k], &QAbstractButton::clicked, this, [this, max] { picked(true, max); });
    }
    for (int k = 0; k < 4; ++k) {
        den_[k] =
            makeOption(denFrame, QStringLiteral("optDen%1").arg(k + 1), kDenRanges[k].caption, k);
        denGroup->addButton(den_[k]);
        const int max = kDenRanges[k].max;
        connect(den_[k], &QAbstractButton::clicked, this, [this, max] { picked(false, max); });
    }
}

void RangeOptions::load() {
    selectDefaults();
}

std::optional<Problem> RangeOptions::takeProblem(const Procedure &procedure) {
    Problem p{op_};
    do {
        const DrawnFraction first = Casuali(ranges_, *ctx_.random);
        const DrawnFraction second = Casuali(ranges_, *ctx_.random);
        p.Num1 = first.NumCasuale;
        p.Den1 = first.DenCasuale;
        p.Num2 = second.NumCasuale;
        p.Den2 = second.DenCasuale;
    } while (!procedure.accepts(p));
    return p;
}

QLineEdit *RangeOptions::keypadTarget() const {
    return procedure_.workTarget();
}

void RangeOptions::picked(bool numerator, int max) {
    Suona(ctx_, CueClick);
    frame_.AzzeraSchermo();
    (numerator ? ranges_.NumMax : ranges_.DenMax) = max;
}

void RangeOptions::selectDefaults() {
    // Selecting counts as clicking: each plays its cue and resets the screen.
    num_[2]->setChecked(true);
    picked(true, 25);
    den_[1]->setChecked(true);
    picked(false, 25);
}
