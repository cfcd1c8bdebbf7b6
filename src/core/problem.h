// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The four operations the program drills.
enum class Operation { Addition, Subtraction, Multiplication, Division };

// Where the problems of an exercise screen come from, as the start menu's mode buttons
// choose it, with the codes its Modo holds. A Modo of 0 (no enumerator) means the pupil
// has not picked one yet.
enum class ProblemSource : int {
    Pupil = 1,    // "da te": typed in by the pupil
    Computer = 2, // "dal computer": drawn at random
};

// One exercise's problem: Num1/Den1 op Num2/Den2 as given (a division as posed, before its
// rewrite), every number from 1 to 99. A source makes it, the frame keeps it for "Soluzione"
// and "Ripeti", and the operation works it.
struct Problem {
    Operation op = Operation::Addition;
    int Num1 = 0;
    int Den1 = 0;
    int Num2 = 0;
    int Den2 = 0;
};
