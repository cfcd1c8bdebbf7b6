// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program_window.h"

#include "logging.h"
#include "screen_fit.h"
#include "window_services.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QTimer>

namespace {
// The frame the window manager drew around the last program window, so the next one can
// be placed by its whole frame; none is known before the first window is framed.
QMargins frameSeenLast;

// How long a window manager may take to hand a new window the keyboard.
constexpr int kActivationGraceMs = 1000;

// Told once: the Wayland protocol has no request to keep a window above the others.
void reportAboveUnsupported(const QWidget *window) {
    static bool reported = false;
    if (reported || QGuiApplication::platformName() != QLatin1String("wayland"))
        return;
    reported = true;
    qCInfo(lcWindow, "%s: the wayland platform cannot keep windows above the others",
           qPrintable(window->objectName()));
}

// The program window that had the keyboard last: the one a second start brings back.
QPointer<ProgramWindow> activeLast;

QRect availableArea(const QScreen *screen) {
    return screen ? screen->availableGeometry() : QRect();
}

// Where a frame of this size goes: centred on the area, which puts it wholly inside when
// it fits; when it does not, its top left (the title bar, the move handle) stays inside,
// so the pupil can still reach and move the window.
QPoint framePosition(QSize frame, const QRect &area) {
    QRect placed(QPoint(), frame);
    placed.moveCenter(area.center());
    return QPoint(qMax(placed.left(), area.left()), qMax(placed.top(), area.top()));
}

// Whether a frame breaks that rule: outside the area although it fits, or its top left
// off the area.
bool misplaced(const QRect &frame, const QRect &area) {
    const bool fits = frame.width() <= area.width() && frame.height() <= area.height();
    return fits ? !area.contains(frame) : !area.contains(frame.topLeft());
}
} // namespace

ProgramWindow::ProgramWindow(QWidget *parent) : QWidget(parent) {
    // Both before the first show: changing the window's flags later hides it.
    removeCloseEntry(this);
    InPrimoPiano(this);
}

void ProgramWindow::setClientSize(int width, int height) {
    setFixedSize(width, height);
}

void ProgramWindow::placeOn(QScreen *screen) {
    placed_ = true;
    placedOn_ = screen;
    awaitingFrame_ = true;
    const QRect area = availableArea(screen);
    if (area.isValid()) {
        placedAt_ = framePosition(size().grownBy(frameSeenLast), area);
        move(placedAt_);
    }
}

void ProgramWindow::showAndActivate(const QWidget *opener) {
    // Every screen opens in the middle of its screen, so each exercise screen takes the
    // start menu's place and the information window sits over the menu; a teacher who
    // moved the program to the whiteboard finds every later window there.
    QScreen *screen = opener ? opener->screen() : screenUnderPointer();
    if (!placed_ || (opener && screen != this->screen()))
        placeOn(screen);
    // Not show(), which in a browser would stretch the window over the whole page.
    setVisible(true);
    raise();
    // Without a window manager a new window gets the keyboard only when asked.
    activateWindow();
    reportAboveUnsupported(this);
    activatedSinceShown_ = isActiveWindow();
    if (!activatedSinceShown_ && lcWindow().isInfoEnabled()) {
        QTimer::singleShot(kActivationGraceMs, this, [this] {
            if (isVisible() && !activatedSinceShown_)
                qCInfo(lcWindow, "%s: the window manager did not give the window the keyboard",
                       qPrintable(objectName()));
        });
    }
}

void ProgramWindow::recentre() {
    placeOn(screen());
}

void ProgramWindow::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        activatedSinceShown_ = true;
        activeLast = this;
    }
}

void ProgramWindow::moveEvent(QMoveEvent *event) {
    QWidget::moveEvent(event);
    if (!awaitingFrame_ || !isVisible())
        return;
    // The window manager has framed the window: its frame is now known.
    const QRect frame = frameGeometry();
    const QMargins margins(geometry().left() - frame.left(), geometry().top() - frame.top(),
                           frame.right() - geometry().right(),
                           frame.bottom() - geometry().bottom());
    if (margins.isNull())
        return;
    awaitingFrame_ = false;
    const bool guessedWrong = margins != frameSeenLast;
    frameSeenLast = margins;
    const QRect area = availableArea(placedOn_ ? placedOn_.data() : screen());
    if (!area.isValid())
        return;
    // Moved once: a window put where it asked, but placed by a frame guessed wrong (the
    // first one, before any frame was seen), so the screens that follow take exactly its
    // place; or a window the window manager put where its frame breaks the rule.
    const QPoint wanted = framePosition(frame.size(), area);
    const bool whereAsked = (frame.topLeft() - placedAt_).manhattanLength() <= 2;
    if (((guessedWrong && whereAsked) || misplaced(frame, area)) && frame.topLeft() != wanted)
        move(wanted);
}

void ProgramWindow::closeEvent(QCloseEvent *event) {
    event->ignore();
}

void bringProgramToFront() {
    ProgramWindow *target = activeLast && activeLast->isVisible() ? activeLast.data() : nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *window = qobject_cast<ProgramWindow *>(w);
        if (!target && window && window->isVisible())
            target = window;
    }
    if (!target)
        return;
    if (target->isMinimized())
        target->showNormal();
    target->raise();
    target->activateWindow();
}

void InPrimoPiano(QWidget *window) {
    if (!window)
        return;
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (visible)
        window->setVisible(true); // changing a flag hides a shown window
}
