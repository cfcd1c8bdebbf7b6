// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// Every window of the program: kept above other windows, with no close button, and deaf
// to close requests from the window manager (title bar, Alt+F4). The program is left only
// through its own "Esci" buttons.
class ProgramWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ProgramWindow(QWidget *parent = nullptr);

    // Gives the client area its fixed size in device-independent pixels.
    void setClientSize(int width, int height);

    // Shows the window above the others and gives it the keyboard. The first time, its
    // frame goes in the middle of the screen's available area, wholly inside it when it
    // fits, and with its title bar on the screen when it does not (a program enlarged for
    // a whiteboard on a small screen).
    void showAndActivate();

  protected:
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;

  private:
    bool placed_ = false;
    bool awaitingFrame_ = false;
    QPoint placedAt_;
    bool activatedSinceShown_ = false;
};

// Keeps window above all others without moving, resizing or activating it.
void InPrimoPiano(QWidget *window);

// The window's title bar: a title and a minimise button, and no close button.
inline constexpr Qt::WindowFlags kProgramWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint;

// Takes the close entry out of the window's window menu, so that neither the title bar's
// close button nor the keyboard's close shortcut can close it. Each platform has its own
// (window_menu_<platform>.cpp); a refusal leaves the window as it is.
void removeCloseEntry(QWidget *window);
