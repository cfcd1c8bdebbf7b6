// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>
#include <QSize>

class QScreen;

// The frame a window manager or Windows draws around a window, in device-independent
// pixels, before any window has been framed: a little more than a title bar and borders
// usually take, so that the enlarged windows never end up taller than the screen.
inline constexpr QMargins kFrameAllowance{10, 40, 10, 10};

// How much larger the program may draw its windows on a screen whose available area
// (without panels or taskbar, in the desktop's own scaled pixels) is available: the
// largest multiple of 0.05, at most 2 and never below 1, at which a window whose client
// area is client, inside a frame of margins frame, lies wholly inside the area.
double largeScreenFactor(QSize available, QSize client, QMargins frame = kFrameAllowance);

// The scale of the program in a browser's page of size page (in the page's own pixels):
// the largest multiple of 0.05, between 1 and 3, at which a window whose client area is
// client lies wholly inside the page with a small margin. A page smaller than the program
// is made larger by the page itself, which the browser then shows zoomed out.
double pageFitFactor(QSize page, QSize client);

// The screen the program opens on: the one under the mouse pointer, or the primary screen
// when the pointer is on none.
QScreen *screenUnderPointer();

// Enlarges every window the program opens from now on by the factor above for the
// available area of screen, on top of the desktop's own scaling; returns the factor. To be
// called once the application exists and before its first window.
double enlargeWindowsToFit(const QScreen *screen, QSize largestClient);
