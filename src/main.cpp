// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app_context.h"
#include "command_line.h"
#include "console_text.h"
#include "logging.h"
#include "program_window.h"
#include "random_source.h"
#include "speakers.h"
#include "start_menu.h"
#include "startup.h"
#include "window_services.h"

#include <QApplication>

namespace {
QStringList argumentsOf(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
} // namespace

int main(int argc, char *argv[]) {
    const CommandLine line = readCommandLine(argumentsOf(argc, argv));
    if (line.action != CommandLine::Action::Run) {
        printForUser(line.text, line.action == CommandLine::Action::Wrong);
        return line.exitStatus();
    }
    // A second start hands over to the copy that runs, before it touches the desktop.
    SessionClaim claim(SessionClaim::programName());
    if (!claim.first()) {
        qCInfo(lcWindow, "another copy runs in this session: asked it to come to the front");
        return 0;
    }
    prepareBeforeApplication(); // before Qt picks its platform
    // Qt sees only the program's name, so none of its own options can change how the
    // screens look or behave.
    int onlyProgramName = 1;
    QApplication app(onlyProgramName, argv);
    const std::unique_ptr<SoundPlayer> speakers = programSpeakers();
    ClockRandomSource random;
    AppContext ctx;
    ctx.sound = speakers.get();
    ctx.random = &random;
    openStartMenu(ctx, line.bigScreen);
    claim.onLaterStart(bringProgramToFront);
    return app.exec();
}
