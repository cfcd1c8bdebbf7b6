// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What must hold after anything a pupil does, checked against what the pupil sees and the
// pure plans. Each check returns an empty string when it holds, else what broke.

#include "addsub_plan.h"
#include "app_context.h"
#include "division_procedure.h"
#include "exercise_frame.h"
#include "info_window.h"
#include "keypad.h"
#include "picture_button.h"
#include "product_plan.h"
#include "step_memory.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <algorithm>

enum class ScreenOp { Add, Sub, Mul, Div };

inline ScreenOp opOf(const QWidget *screen) {
    const QString name = screen->objectName();
    if (name.startsWith(QLatin1String("frmSott")))
        return ScreenOp::Sub;
    if (name.startsWith(QLatin1String("frmMolt")))
        return ScreenOp::Mul;
    if (name.startsWith(QLatin1String("frmDiv")))
        return ScreenOp::Div;
    return ScreenOp::Add;
}

// The program's windows that are on the screen now.
struct VisibleWindows {
    int menus = 0;
    QList<ExerciseFrame *> screens;
    QList<InfoWindow *> infos;
    ExerciseFrame *screen() const { return screens.size() == 1 ? screens.front() : nullptr; }
};

inline VisibleWindows visibleWindows(const QWidget *menu) {
    VisibleWindows v;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible())
            continue;
        if (w == menu)
            ++v.menus;
        else if (auto *f = qobject_cast<ExerciseFrame *>(w))
            v.screens << f;
        else if (auto *i = qobject_cast<InfoWindow *>(w); i && !i->isDismissed())
            v.infos << i;
    }
    return v;
}

inline QString checkWindows(const VisibleWindows &v) {
    if (v.menus + v.screens.size() != 1)
        return QStringLiteral("%1 start menu(s) and %2 exercise screen(s) visible")
            .arg(v.menus)
            .arg(v.screens.size());
    if (v.infos.size() > 1)
        return QStringLiteral("%1 information windows visible").arg(v.infos.size());
    return {};
}

inline bool okUsable(const ExerciseFrame &f) {
    return f.keypadFrame()->isEnabled() && f.okButton()->isEnabled();
}

// The rewrite of a division screen (FaseReciproco, CampoDiv, Reciproco); nullptr elsewhere.
inline const DivisionProcedure::Rewrite *rewriteOf(const ExerciseFrame &f) {
    const auto *division = qobject_cast<const DivisionProcedure *>(f.procedure());
    return division ? &division->rewrite() : nullptr;
}

inline bool inRewrite(const ExerciseFrame &f) {
    return opOf(&f) == ScreenOp::Div && rewriteOf(f)->FaseReciproco;
}

inline QString checkKeypadAndStep(const ExerciseFrame &f) {
    if (f.keypadFrame()->isEnabled()) {
        const QLineEdit *target = f.keypadTargetBox();
        if (!target)
            return QStringLiteral("the keypad is enabled but types nowhere");
        if (!target->isVisible() || !target->isEnabled())
            return QStringLiteral("the keypad types into %1, which is hidden or greyed")
                .arg(target->objectName());
    }
    if (!okUsable(f))
        return {};
    if (inRewrite(f)) {
        const int CampoDiv = rewriteOf(f)->CampoDiv;
        return CampoDiv >= 1 && CampoDiv <= 4
                   ? QString()
                   : QStringLiteral("OK can be clicked in the rewrite with CampoDiv %1")
                         .arg(CampoDiv);
    }
    const int Passo = stepMemory(f).Passo;
    return f.txtFraz(Passo) ? QString()
                            : QStringLiteral("OK can be clicked with Passo %1").arg(Passo);
}

// The counters of one visit to a screen: the labels show them and they never go down.
struct CounterWatch {
    QPointer<ExerciseFrame> screen;
    ExerciseFrame::Counters last;

    QString check(ExerciseFrame &f) {
        const ExerciseFrame::Counters &c = f.counters();
        const struct {
            const char *label;
            int value;
        } shown[] = {{"lblAvviate", c.Avviate}, {"lblFatte", c.Eseguite}, {"lblErrori", c.Errori}};
        for (const auto &s : shown) {
            const QString text = f.findChild<QLabel *>(QLatin1String(s.label))->text();
            if (text != counterText(s.value))
                return QStringLiteral("%1 shows \"%2\" for %3").arg(s.label, text).arg(s.value);
        }
        if (c.Eseguite > c.Avviate)
            return QStringLiteral("Eseguite %1 > Avviate %2").arg(c.Eseguite).arg(c.Avviate);
        const bool sameVisit = screen == &f;
        const bool fell =
            c.Avviate < last.Avviate || c.Eseguite < last.Eseguite || c.Errori < last.Errori;
        screen = &f;
        const QString was =
            QStringLiteral("%1/%2/%3").arg(last.Avviate).arg(last.Eseguite).arg(last.Errori);
        last = c;
        if (sameVisit && fell)
            return QStringLiteral("counters fell from %1 to %2/%3/%4")
                .arg(was)
                .arg(c.Avviate)
                .arg(c.Eseguite)
                .arg(c.Errori);
        return {};
    }
};

// While an exercise is being answered, the box asked now expects what the plan of the
// problem on screen says.
inline QString checkExpectedAnswer(const ExerciseFrame &f) {
    if (!okUsable(f))
        return {};
    const Problem &q = f.problem();
    for (int v : {q.Num1, q.Den1, q.Num2, q.Den2})
        if (v < 1 || v > 99)
            return QStringLiteral("an operand of the problem is %1").arg(v);
    const QString problem =
        QStringLiteral("%1/%2 , %3/%4").arg(q.Num1).arg(q.Den1).arg(q.Num2).arg(q.Den2);
    const StepMemory s = stepMemory(f);
    const int k = s.Passo;
    const auto differs = [&](const char *what, int got, int want) {
        return QStringLiteral("%1 of %2 at Passo %3 expects %4, the plan %5")
            .arg(QLatin1String(what), problem)
            .arg(k)
            .arg(got)
            .arg(want);
    };
    switch (opOf(&f)) {
    case ScreenOp::Add:
    case ScreenOp::Sub: {
        const AddSubPlan plan =
            planAddSub(opOf(&f) == ScreenOp::Sub, q.Num1, q.Den1, q.Num2, q.Den2);
        if (std::find(plan.order.begin(), plan.order.begin() + plan.count, k) ==
            plan.order.begin() + plan.count)
            return QStringLiteral("step %1 is not in the plan of %2").arg(k).arg(problem);
        return s.Risposte[k] == plan.answer[k] ? QString()
                                               : differs("the step", s.Risposte[k], plan.answer[k]);
    }
    case ScreenOp::Mul:
    case ScreenOp::Div:
        break;
    }
    ProductPlan plan;
    if (opOf(&f) == ScreenOp::Div) {
        const DivisionPlan division = planDivision(q.Num1, q.Den1, q.Num2, q.Den2);
        const int given[] = {q.Num1, q.Den1, q.Num2, q.Den2};
        for (int i = 1; i <= 4; ++i) {
            const auto *box = f.findChild<QLineEdit *>(QStringLiteral("txtNumDiv(%1)").arg(i));
            if (box->text() != QString::number(given[i - 1]))
                return QStringLiteral("the given row shows %1 for %2")
                    .arg(box->text())
                    .arg(given[i - 1]);
        }
        if (const DivisionProcedure::Rewrite &r = *rewriteOf(f); r.FaseReciproco)
            return r.Reciproco[r.CampoDiv] == division.rewrite[r.CampoDiv]
                       ? QString()
                       : differs("the rewrite", r.Reciproco[r.CampoDiv],
                                 division.rewrite[r.CampoDiv]);
        plan = division.product;
    } else {
        plan = planProduct(q.Num1, q.Den1, q.Num2, q.Den2);
    }
    const bool asked = std::any_of(plan.steps.begin(), plan.steps.begin() + plan.count,
                                   [k](const ProductStep &st) { return st.box == k; });
    if (!asked)
        return QStringLiteral("step %1 is not in the plan of %2").arg(k).arg(problem);
    return s.Risposte[k] == plan.answer[k] ? QString()
                                           : differs("the step", s.Risposte[k], plan.answer[k]);
}
