// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "problem.h"

#include <array>
#include <cstdint>

// The written addition and subtraction of two fractions, planned from the problem alone:
// which steps are asked, in which order, and what each expects. The screens render the
// plan; nothing here knows a widget.
//   steps 1, 2   the first fraction reduced by its greatest common divisor, when it is > 1
//   steps 3, 4   the second fraction likewise
//   step 5       the least common multiple of the two current denominators
//   steps 6, 7   the two current numerators expanded to it
//   steps 8, 9   their sum or difference over it
//   steps 10, 11 that result reduced, when it can be (a zero difference never is)
// A fraction's current numerator and denominator are the reduced ones when it was reduced,
// else its own.

// A subtraction whose first fraction is the smaller: its difference would be negative,
// which the pupils have not met, so it is never asked (a draw is made again, a typed problem
// refused). Equal fractions subtract to 0, which is asked.
bool differenceIsNegative(const Problem &problem);

struct AddSubSteps {
    // Risposte[k]: what step box k expects; 0 for a step the problem does not ask.
    std::array<int16_t, 13> Risposte{};
    bool reduceFirst = false;  // steps 1 and 2 are asked
    bool reduceSecond = false; // steps 3 and 4
    bool reduceResult = false; // steps 10 and 11
};

// Plans problem, an addition or a subtraction with every number from 1 to 99.
AddSubSteps addSubSteps(const Problem &problem);

// The step asked first: 1 when the first fraction is reduced, else 3 when the second is,
// else 5.
int firstAddSubStep(const AddSubSteps &steps);

// The step asked once step answered is right; 0 when that answer completes the exercise
// (after 9 when the result is not reduced, after 11 when it is).
int addSubStepAfter(const AddSubSteps &steps, int answered);

// The focus rule (txtFraz_GotFocus), whatever step box got the focus: with step 3 current
// and nothing to ask there (Risposte(3) 0), the pupil goes on to step 5. Returns the step
// current after it.
int addSubStepOnFocus(const AddSubSteps &steps, int Passo);
