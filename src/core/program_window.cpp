#include "program_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

ProgramWindow::ProgramWindow(QWidget *parent) : QWidget(parent) {
    // Flags are set before the first show: changing them later hides the window.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint);
    InPrimoPiano(this);
}

void ProgramWindow::setClientSize(int width, int height) {
    setFixedSize(width, height);
}

void ProgramWindow::showAndActivate() {
    if (!placed_) {
        // Every screen opens in the middle of the screen, so each exercise screen takes
        // the start menu's place and the information window sits over the menu.
        placed_ = true;
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(), size());
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    show();
    raise();
    // Without a window manager a new window gets the keyboard only when asked.
    activateWindow();
}

void ProgramWindow::closeEvent(QCloseEvent *event) {
    event->ignore();
}

void InPrimoPiano(QWidget *window) {
    if (!window)
        return;
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (visible)
        window->show(); // changing a flag hides a shown window
}
