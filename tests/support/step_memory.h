// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the operation of an exercise screen holds of its steps, whichever operation it is:
// the step asked now (Passo) and what each step box expects (Risposte).

#include "addsub_procedure.h"
#include "exercise_frame.h"
#include "product_procedure.h"

#include <array>
#include <cstdint>

struct StepMemory {
    int Passo = 0;
    std::array<int16_t, 13> Risposte{};
};

inline StepMemory stepMemory(const ExerciseFrame &frame) {
    if (const auto *a = qobject_cast<const AddSubProcedure *>(frame.procedure()))
        return {a->currentStep(), a->answers()};
    if (const auto *p = qobject_cast<const ProductProcedure *>(frame.procedure()))
        return {p->currentStep(), p->answers()};
    return {};
}
