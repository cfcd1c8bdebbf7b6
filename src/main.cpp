#include "app_context.h"
#include "random_source.h"
#include "start_menu.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    SpeakerPlayer speakers;
    ClockRandomSource random;
    AppContext ctx;
    ctx.sound = &speakers;
    ctx.random = &random;
    openStartMenu(ctx);
    return app.exec();
}
