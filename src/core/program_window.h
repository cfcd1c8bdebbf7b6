// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QScreen>
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

    // Shows the window above the others and gives it the keyboard, on the screen of the
    // window that opened it (opener), or, for the first window, on the screen under the
    // mouse pointer. The first time, and whenever the opener is on another screen, its
    // frame goes in the middle of that screen's available area, wholly inside it when it
    // fits, and with its title bar on the screen when it does not (a window too large for
    // a small screen). Shown again from the same screen, it stays where it was left.
    void showAndActivate(const QWidget *opener = nullptr);

    // Places the window in the middle of its screen again: after the scale of every window
    // changed (a browser's page resized), where it was left no longer means anything.
    void recentre();

  protected:
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;

  private:
    void placeOn(QScreen *screen);

    bool placed_ = false;
    // The screen the window was placed on, whose area its frame is then checked against.
    QPointer<QScreen> placedOn_;
    bool awaitingFrame_ = false;
    QPoint placedAt_;
    bool activatedSinceShown_ = false;
};

// Brings the program's open window to the front and gives it the keyboard, as far as the
// desktop allows: a second start of the program asks for it.
void bringProgramToFront();

// Keeps window above all others without moving, resizing or activating it.
void InPrimoPiano(QWidget *window);

// The window's title bar: a title and a minimise button, and no close button.
inline constexpr Qt::WindowFlags kProgramWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint;
