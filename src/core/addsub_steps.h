// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "problem.h"

// The written addition and subtraction of two fractions, planned from the problem alone.

// A subtraction whose first fraction is the smaller: its difference would be negative,
// which the pupils have not met, so it is never asked (a draw is made again, a typed problem
// refused). Equal fractions subtract to 0, which is asked.
bool differenceIsNegative(const Problem &problem);
