// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "problem.h" // ProblemSource
#include "program_window.h"

#include <QPixmap>
#include <QPointer>
#include <functional>

struct AppContext;
class HandPicture;
class InfoWindow;
class PictureButton;
class QLabel;
class QTimer;
class SpeakerCheck;
enum class Operation;

// Loads the start menu, the program's first screen and hub, and shows it on the screen
// under the mouse pointer. The menu lives until the program ends; ctx must outlive it.
// With largeScreen (whiteboards, projectors) every window of the program is drawn as large
// as that screen holds, up to twice the size; it must then be the program's first window.
QWidget *openStartMenu(AppContext &ctx, bool largeScreen = false);

// The client area every window of the program fits in.
QSize largestClientArea();

// The start menu: the pupil picks where the fractions come from, then an operation.
class StartMenu : public ProgramWindow {
    Q_OBJECT
  public:
    explicit StartMenu(AppContext &ctx, QWidget *parent = nullptr);

    // What "Esci" does; ending the process by default.
    void setExitAction(std::function<void()> exit) { exit_ = std::move(exit); }

    // The information window currently open, if any.
    InfoWindow *infoWindow() const;
    // Where the problems of the screens it opens come from: Modo, 0 until the pupil picks.
    ProblemSource mode() const { return Modo; }

  public slots:
    void Timer1_Timer();

  protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void Form_Load();
    void cmdComputer_MouseDown();
    void cmdTe_MouseDown();
    void Check1_Click();
    void cmdInfo_Click();
    void cmdEsci_Click();
    void chooseMode(ProblemSource source);
    void openOperation(Operation op);

    AppContext &ctx_;
    std::function<void()> exit_;
    // The mode the pupil picked, with ProblemSource's codes. The menu alone writes and reads
    // it: an exercise screen keeps its own phase, so "Esci" finds the mode as it was.
    ProblemSource Modo{};
    short Lampeggio = 0;
    QTimer *timer1_ = nullptr;
    HandPicture *image1_ = nullptr;
    HandPicture *image2_ = nullptr;
    PictureButton *cmdTe_ = nullptr;
    PictureButton *cmdComputer_ = nullptr;
    QList<PictureButton *> operations_;
    SpeakerCheck *check1_ = nullptr;
    QLabel *label4_ = nullptr;
    QPointer<InfoWindow> info_;
    QPixmap landscape_;
};
