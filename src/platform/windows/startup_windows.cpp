// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

// The program brings Qt's Windows platform alone, and there every window can keep itself
// above the others: nothing is left to choose before the application exists.
void prepareBeforeApplication() {}
