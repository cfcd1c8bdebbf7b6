// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// What the program's command line asks for. It is read before the application exists,
// so that a line that only prints never connects to the desktop.
struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Wrong };
    Action action = Action::Run;
    // Draw every window as large as the screen holds, up to twice the size (whiteboards,
    // projectors).
    bool bigScreen = false;
    // What to print for every action but Run: the usage, the version, or what was wrong
    // followed by the usage.
    QString text;
    // The exit status when the program ends after printing text: 2 for a wrong line.
    int exitStatus() const { return action == Action::Wrong ? 2 : 0; }
};

// Reads arguments (the program's name first). Qt's own options are not taken: nothing on
// the command line may change how the screens look or behave, but for their size.
CommandLine readCommandLine(const QStringList &arguments);
