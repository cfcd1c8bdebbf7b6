// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app_context.h"
#include "random_source.h"
#include "start_menu.h"

#include <QApplication>

namespace {
// Natively on Wayland no window can keep itself above the others, and Qt draws a title bar
// of its own with a close button. Through the desktop's X server (XWayland, whose address
// is in DISPLAY) every window keeps the behaviour it has on an X11 desktop: above the
// others, with no close button. A platform the user chose is kept; should the X server not
// answer, Qt goes on to Wayland.
void preferX11WhereOffered() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}
} // namespace

int main(int argc, char *argv[]) {
    preferX11WhereOffered(); // before Qt picks its platform
    // The program takes no command line: Qt sees only the program's name, so no option
    // can change how the screens look or behave.
    (void)argc;
    int onlyProgramName = 1;
    QApplication app(onlyProgramName, argv);
    SpeakerPlayer speakers;
    ClockRandomSource random;
    AppContext ctx;
    ctx.sound = &speakers;
    ctx.random = &random;
    openStartMenu(ctx);
    return app.exec();
}
