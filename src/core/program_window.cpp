// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program_window.h"

#include "logging.h"

#include <QCloseEvent>
#include <QGuiApplication>
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

QRect availableArea() {
    const QScreen *screen = QGuiApplication::primaryScreen();
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

void ProgramWindow::showAndActivate() {
    if (!placed_) {
        // Every screen opens in the middle of the screen, so each exercise screen takes
        // the start menu's place and the information window sits over the menu.
        placed_ = true;
        awaitingFrame_ = true;
        const QRect area = availableArea();
        if (area.isValid()) {
            placedAt_ = framePosition(size().grownBy(frameSeenLast), area);
            move(placedAt_);
        }
    }
    show();
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

void ProgramWindow::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activatedSinceShown_ = true;
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
    const QRect area = availableArea();
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

void InPrimoPiano(QWidget *window) {
    if (!window)
        return;
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (visible)
        window->show(); // changing a flag hides a shown window
}
