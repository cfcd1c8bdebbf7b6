// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_services.h"

#include "logging.h"
#include "program_window.h"

#include <QApplication>
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

void followScreenSize(QSize) {}

void endProgram() {
    QApplication::exit(0);
}

// The session claim on Windows: a mutex named in the session's Local\ namespace, owned by
// the copy that runs. Windows removes it with the last handle, when the process ends
// however it ends. The installer looks for the same name before it replaces or removes the
// program.

namespace {
std::wstring programPath(DWORD process) {
    std::wstring path(MAX_PATH * 4, L'\0');
    DWORD size = DWORD(path.size());
    const HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
    if (!handle)
        return {};
    const bool read = QueryFullProcessImageNameW(handle, 0, path.data(), &size);
    CloseHandle(handle);
    path.resize(read ? size : 0);
    return path;
}

struct Search {
    DWORD self;
    std::wstring program;
    HWND found = nullptr;
};

// Windows come in order from the top: the first visible one of this program's other copy
// is the screen the pupil was using.
BOOL CALLBACK findOtherCopy(HWND window, LPARAM data) {
    auto &search = *reinterpret_cast<Search *>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search.self || !IsWindowVisible(window) || GetWindow(window, GW_OWNER))
        return TRUE;
    if (CompareStringOrdinal(programPath(process).c_str(), -1, search.program.c_str(), -1, TRUE) !=
        CSTR_EQUAL)
        return TRUE;
    search.found = window;
    return FALSE;
}

// A program just started by the user may hand the foreground to another window.
void bringOtherCopyToFront() {
    Search search{GetCurrentProcessId(), programPath(GetCurrentProcessId())};
    if (search.program.empty())
        return;
    EnumWindows(findOtherCopy, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return;
    if (IsIconic(search.found))
        ShowWindow(search.found, SW_RESTORE);
    SetForegroundWindow(search.found);
}
} // namespace

struct SessionClaim::Platform {
    HANDLE mutex = nullptr;
};

QString SessionClaim::programName() {
    return QStringLiteral("org.example.quivelle");
}

SessionClaim::SessionClaim(const QString &name, const QString &)
    : platform_(std::make_unique<Platform>()) {
    const std::wstring mutexName = (QStringLiteral("Local\\") + name).toStdWString();
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName.c_str());
    if (!mutex)
        return; // no claim to be had: run as if first
    // Owned means held by a running copy; a mutex that exists but is free is only being
    // looked at (the installer) or was left by a copy that ended.
    const DWORD waited = WaitForSingleObject(mutex, 0);
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
        platform_->mutex = mutex;
        return;
    }
    CloseHandle(mutex);
    first_ = false;
    bringOtherCopyToFront();
}

SessionClaim::~SessionClaim() {
    if (platform_->mutex) {
        ReleaseMutex(platform_->mutex);
        CloseHandle(platform_->mutex);
    }
}

// The later start brings this copy forward itself (above), with the foreground right
// Windows gives a program the user has just started.
void SessionClaim::onLaterStart(std::function<void()>) {}
