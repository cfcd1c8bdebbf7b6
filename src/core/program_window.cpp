#include "program_window.h"

#include <QCloseEvent>

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
