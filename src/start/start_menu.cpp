#include "start_menu.h"

#include "app_context.h"
#include "exercise_screens.h"
#include "fonts.h"
#include "picture_button.h"
#include "program_window.h"

#include <QApplication>

QWidget *openStartMenu(AppContext &ctx) {
    loadProgramFonts();
    auto *menu = new ProgramWindow;
    menu->setObjectName(QStringLiteral("frmStart"));
    menu->setWindowTitle(QStringLiteral("Operazioni con le quivelle"));
    menu->setClientSize(634, 455);
    auto *esci = new PictureButton(QStringLiteral("Esci"), looks::magenta, menu);
    esci->setObjectName(QStringLiteral("cmdEsci"));
    esci->setGeometry(408, 384, 101, 37);
    QObject::connect(esci, &QAbstractButton::clicked, [] { QApplication::exit(0); });
    menu->showAndActivate();
    (void)ctx;
    return menu;
}
