// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_services.h"

#include "program_window.h"
#include "screen_fit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBackingStore>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>
#include <emscripten.h>
#include <emscripten/bind.h>

// In a browser the page is the desktop: the program's windows are drawn inside it, at
// their own size, one above the other and centred, and the page has no window manager.

namespace {
// The page's side: a message that the start menu is on the screen (after the browser has
// drawn it), and the closing page.
// clang-format off
EM_JS(void, quivelle_page_drawn, (), {
    requestAnimationFrame(() => requestAnimationFrame(() =>
        window.dispatchEvent(new Event("quivelle-drawn"))));
});
EM_JS(void, quivelle_page_ended, (), {
    if (Module.quivelleEnded)
        Module.quivelleEnded();
});
// clang-format on

QSize largestClientSeen;
double factorNow = 1;

// The program's windows at a new scale: each platform window takes its new size in the
// page's pixels, its picture is drawn again at the new density, and it goes back to the
// middle of the page.
void rescaleWindows(QScreen *screen, double factor) {
    if (qFuzzyCompare(factor, factorNow))
        return;
    factorNow = factor;
    // The page is the program's one screen. Its factor, unlike the global one, is meant to
    // change while windows are open.
    QHighDpiScaling::setScreenFactor(screen, factor);
    // Hidden windows too: shown again later, they keep the native size they had.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->windowHandle() || !w->windowHandle()->handle())
            continue;
        w->windowHandle()->setGeometry(w->geometry());
        if (w->backingStore())
            w->backingStore()->resize(w->size());
        if (auto *window = qobject_cast<ProgramWindow *>(w))
            window->recentre();
        w->update();
    }
}

// The page's size in its own (CSS) pixels, which are the platform screen's native ones
// whatever the scale in force.
QSize pageSize(const QScreen *screen) {
    return screen->handle()->geometry().size();
}

double pageFactor(const QScreen *screen) {
    return pageFitFactor(pageSize(screen), largestClientSeen);
}

QJsonObject describe(const QWidget *w, double factor, QPoint pageOrigin) {
    const QRect r(w->mapToGlobal(QPoint()), w->size());
    QJsonObject o{
        {"name", w->objectName()},
        {"class", QString::fromLatin1(w->metaObject()->className())},
        {"enabled", w->isEnabled()},
        {"visible", w->isVisible()},
        {"focus", w->hasFocus()},
        {"x", (r.x() - pageOrigin.x()) * factor},
        {"y", (r.y() - pageOrigin.y()) * factor},
        {"w", r.width() * factor},
        {"h", r.height() * factor},
    };
    // A picture button draws its caption itself and names it for assistive tools.
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        o["text"] = b->text().isEmpty() ? b->accessibleName() : b->text();
    else if (auto *l = qobject_cast<const QLabel *>(w))
        o["text"] = l->text();
    else if (auto *e = qobject_cast<const QLineEdit *>(w))
        o["text"] = e->text();
    return o;
}

// What an assistive tool, or the browser checks, read of the screen: every open window,
// the front one first, with each control's name, text, state and place on the page.
std::string describeControls() {
    QList<QWidget *> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            windows.append(w);
    const QWidget *front = QApplication::activeWindow();
    std::stable_sort(windows.begin(), windows.end(), [front](const QWidget *a, const QWidget *b) {
        return a == front && b != front;
    });
    QJsonArray list;
    for (const QWidget *w : windows) {
        const QPoint origin = w->screen() ? w->screen()->geometry().topLeft() : QPoint();
        QJsonObject window = describe(w, factorNow, origin);
        window["title"] = w->windowTitle();
        QJsonArray controls;
        for (const QWidget *child : w->findChildren<QWidget *>())
            if (!child->isWindow())
                controls.append(describe(child, factorNow, origin));
        window["controls"] = controls;
        list.append(window);
    }
    QJsonObject screen{{"factor", factorNow}, {"windows", list}};
    if (const QScreen *page = QGuiApplication::primaryScreen()) {
        screen["pageWidth"] = pageSize(page).width();
        screen["pageHeight"] = pageSize(page).height();
    }
    return QJsonDocument(screen).toJson(QJsonDocument::Compact).toStdString();
}
} // namespace

EMSCRIPTEN_BINDINGS(quivelle_page) {
    emscripten::function("quivelleControls", &describeControls);
}

void removeCloseEntry(QWidget *window) {
    // No title bar at all: the page around the windows is their frame, and nothing of it
    // closes them.
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::FramelessWindowHint);
}

void followScreenSize(QSize largestClient) {
    largestClientSeen = largestClient;
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    rescaleWindows(screen, pageFactor(screen));
    // The page changes size when a tablet is turned or the browser's window resized. The
    // new scale is set once the resize is over, not from inside the screen's own change.
    QObject::connect(
        screen, &QScreen::geometryChanged, qApp,
        [screen] { rescaleWindows(screen, pageFactor(screen)); }, Qt::QueuedConnection);
    // The first window is shown next: the page hears once the browser has drawn it.
    QTimer::singleShot(0, qApp, [] { quivelle_page_drawn(); });
}

void endProgram() {
    for (QWidget *w : QApplication::topLevelWidgets())
        w->hide();
    quivelle_page_ended();
}

struct SessionClaim::Platform {};

// Every tab holds its own copy of the program, as every browser window does of a page.
QString SessionClaim::programName() {
    return QStringLiteral("org.example.quivelle");
}

SessionClaim::SessionClaim(const QString &, const QString &) {}

SessionClaim::~SessionClaim() = default;

void SessionClaim::onLaterStart(std::function<void()>) {}
