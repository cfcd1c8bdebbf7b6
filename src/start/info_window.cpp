// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "info_window.h"

#include "app_context.h"
#include "fonts.h"
#include "picture_button.h"
#include "start_layout.h"

#include <QApplication>
#include <QPainter>
#include <QWindow>

namespace {
const QColor kPaleYellow(0xff, 0xff, 0xc8);
const QColor kDarkBlue(0x00, 0x00, 0x80);

QFont printFont() {
    QFont font(QString::fromLatin1(kComicFace));
    font.setPointSizeF(12);
    return font;
}
} // namespace

InfoWindow::InfoWindow(AppContext &ctx, QWidget *parent) : ProgramWindow(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Info"));
    setClientSize(infoLayout::client.width(), infoLayout::client.height());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kPaleYellow);
    pal.setColor(QPalette::WindowText, kDarkBlue);
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(printFont());

    auto *ok = new PictureButton(QStringLiteral("OK"), looks::greenRedInk, this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(infoLayout::cmdOK);
    connect(ok, &QAbstractButton::clicked, this, &InfoWindow::dismiss);

    // Another of the program's windows becoming active closes this one. A click on another
    // window counts too: without a window manager, clicking does not move the activation.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &InfoWindow::onFocusWindowChanged);
    qApp->installEventFilter(this);
}

InfoWindow::~InfoWindow() {
    qApp->removeEventFilter(this);
}

QStringList InfoWindow::printedLines() {
    return {
        QString(),
        QString(),
        QStringLiteral("    Buon lavoro da:"),
        QStringLiteral("    il team quivelle"),
        QStringLiteral("    www.quivelle.example.org"),
        QStringLiteral("    e-mail: info@quivelle.example.org"),
    };
}

void InfoWindow::dismiss() {
    if (dismissed_)
        return;
    dismissed_ = true;
    qApp->removeEventFilter(this);
    Suona(ctx_, CueClick);
    hide();
    deleteLater();
}

void InfoWindow::paintEvent(QPaintEvent *) {
    // Painted afresh on every exposure, so the lines survive being covered.
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    const QFontMetrics metrics(font());
    int baseline = metrics.ascent();
    for (const QString &line : printedLines()) {
        p.drawText(0, baseline, line);
        baseline += metrics.height();
    }
}

bool InfoWindow::isOtherProgramWindow(const QWidget *widget) const {
    return widget && widget->window() != this;
}

bool InfoWindow::eventFilter(QObject *watched, QEvent *event) {
    if (!dismissed_ && (event->type() == QEvent::MouseButtonPress ||
                        event->type() == QEvent::MouseButtonDblClick)) {
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (isOtherProgramWindow(widget))
            dismiss();
    }
    return false;
}

void InfoWindow::onFocusWindowChanged(QWindow *window) {
    if (dismissed_ || !window)
        return; // no window of ours active: the pupil switched to another application
    if (window == windowHandle()) {
        beenActive_ = true;
        return;
    }
    // Only a window that has been active can be deactivated; an activation still on its way
    // from before this window opened does not close it.
    if (beenActive_)
        dismiss();
}
