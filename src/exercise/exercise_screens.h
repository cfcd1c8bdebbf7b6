// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shared_state.h" // ProblemSource

struct AppContext;
class QWidget;

enum class Operation { Addition, Subtraction, Multiplication, Division };

// Loads and shows the exercise screen of op for problems from source, without blocking,
// replacing any exercise screen still open. Its "Esci" shows startMenu again.
QWidget *openExerciseScreen(AppContext &ctx, Operation op, ProblemSource source,
                            QWidget *startMenu);
