// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "problem.h" // Operation, ProblemSource

struct AppContext;
class QWidget;

// Loads and shows the exercise screen of op for problems from source, without blocking,
// replacing any exercise screen still open. Its "Esci" shows startMenu again.
QWidget *openExerciseScreen(AppContext &ctx, Operation op, ProblemSource source,
                            QWidget *startMenu);
