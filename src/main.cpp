#include "app_context.h"
#include "random_source.h"
#include "start_menu.h"

#include <QApplication>

int main(int argc, char *argv[]) {
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
