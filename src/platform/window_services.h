// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

// What the program's windows need from the desktop beyond what Qt offers on every platform.
// Each platform has its own (window_services_<platform>.cpp in its folder).

// Takes the close entry out of the window's window menu, so that neither the title bar's
// close button nor the keyboard's close shortcut can close it. Called before the window is
// first shown; a refusal leaves the window as it is.
void removeCloseEntry(QWidget *window);

// Before the first window: keeps the program's windows at the size that fits the screen.
// On a desktop the windows keep their size (a large screen is asked for on the command
// line); in a browser they are scaled together to fit the page, whatever its size, and
// follow it when it changes, so that the largest window (largestClient) is always wholly
// on it.
void followScreenSize(QSize largestClient);

// Ends the program, at the pupil's "Esci" on the start menu. A page cannot close its
// browser tab: there the windows go and the page says that the program has ended.
void endProgram();

// One copy of the program per user session: pupils double-click twice, and two copies
// kept above the other windows would lie exactly on top of each other. The first copy
// claims the session for as long as it runs; a later start finds the claim, asks the
// running copy to come to the front and ends. The claim goes with the process that holds
// it, however it ends, so a copy that crashed never stops the next start.
//
// On Linux a lock and a socket in the user's runtime folder, on Windows a mutex in the
// session's Local\ namespace, which the installer also looks for.
class SessionClaim {
  public:
    // The name of the program's claim (Windows: Local\<name>).
    static QString programName();

    // Claims the session for this process under name; place is where the claim lives
    // (Linux: a folder, by default the user's runtime folder; Windows: unused). Works
    // before the application exists. Where the platform offers no place for a claim, the
    // copy runs as if it were the first.
    SessionClaim(const QString &name, const QString &place = {});
    ~SessionClaim();
    SessionClaim(const SessionClaim &) = delete;
    SessionClaim &operator=(const SessionClaim &) = delete;

    // Whether this copy holds the claim. When it does not, the running copy has been asked
    // to come to the front.
    bool first() const { return first_; }

    // In the copy that holds the claim, once the application exists: calls toFront
    // whenever a later start asks for it.
    void onLaterStart(std::function<void()> toFront);

  private:
    struct Platform;
    std::unique_ptr<Platform> platform_;
    bool first_ = true;
};
