// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program_window.h"

// X11 window managers build the window menu and the title bar's buttons from what the
// window asks for: without the close hint they offer no close entry and no close button.
// Those that offer one anyway only send a close request, which every program window
// ignores.
void removeCloseEntry(QWidget *window) {
    window->setWindowFlags(kProgramWindowFlags);
}
