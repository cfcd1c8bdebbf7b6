// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program_window.h"

#include "logging.h"

#include <QGuiApplication>

#include <windows.h>

// Windows gives every window with a minimise button a window menu, and with it a close
// button and Alt+F4. Without the menu's close entry, Windows greys the button and Alt+F4
// does nothing. The entry is found by its command rather than by its place in the menu,
// which is the seventh only in the standard menu.
void removeCloseEntry(QWidget *window) {
    window->setWindowFlags(kProgramWindowFlags);
    // Only a window of the Windows platform has a window menu (not one drawn offscreen).
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return;
    const auto handle = reinterpret_cast<HWND>(window->winId());
    HMENU menu = GetSystemMenu(handle, FALSE);
    if (!menu || !RemoveMenu(menu, SC_CLOSE, MF_BYCOMMAND))
        qCInfo(lcWindow, "%s: the close entry of the window menu could not be removed (error %lu)",
               qPrintable(window->objectName()), GetLastError());
}
