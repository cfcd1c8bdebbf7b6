// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "program_window.h"

struct AppContext;

// The credits window opened by "Info". It goes away at the first dismissal: its "OK", or
// another window of the program becoming the active one (a click on the start menu counts;
// switching to another application does not).
class InfoWindow : public ProgramWindow {
    Q_OBJECT
  public:
    explicit InfoWindow(AppContext &ctx, QWidget *parent = nullptr);
    ~InfoWindow() override;

    // The lines printed on the window's surface, top to bottom.
    static QStringList printedLines();

    // Click cue (when the sound is on), hide, and delete once control returns to the event
    // loop. Only the first call counts.
    void dismiss();
    bool isDismissed() const { return dismissed_; }

  protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void onFocusWindowChanged(QWindow *window);
    bool isOtherProgramWindow(const QWidget *widget) const;

    AppContext &ctx_;
    bool dismissed_ = false;
    bool beenActive_ = false;
};
