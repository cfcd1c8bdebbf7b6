// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console_text.h"

#include <cstdio>

#include <windows.h>

// A windowed program has no console of its own. Started from a command prompt, it writes
// into the prompt's console; with its output redirected (a script), into the file or
// pipe; started from a shortcut, with neither, it shows the text in a message box.
void printForUser(const QString &text, bool error) {
    const DWORD which = error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    HANDLE out = GetStdHandle(which);
    if ((!out || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS))
        out = GetStdHandle(which);
    if (out && out != INVALID_HANDLE_VALUE) {
        DWORD mode = 0;
        if (GetConsoleMode(out, &mode)) {
            const std::wstring wide = text.toStdWString();
            DWORD written = 0;
            if (WriteConsoleW(out, wide.data(), DWORD(wide.size()), &written, nullptr))
                return;
        } else {
            const QByteArray bytes = text.toUtf8();
            DWORD written = 0;
            if (WriteFile(out, bytes.constData(), DWORD(bytes.size()), &written, nullptr))
                return;
        }
    }
    MessageBoxW(nullptr, reinterpret_cast<LPCWSTR>(text.utf16()), L"quivelle",
                MB_OK | (error ? MB_ICONWARNING : MB_ICONINFORMATION));
}
