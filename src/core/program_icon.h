// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

// The program's picture, the same as its menu entry's, for title bars, task bars and the
// window switcher.
QIcon programIcon();
