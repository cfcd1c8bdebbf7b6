// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_services.h"

#include "program_window.h"

#include <QApplication>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// X11 window managers build the window menu and the title bar's buttons from what the
// window asks for: without the close hint they offer no close entry and no close button.
// Those that offer one anyway only send a close request, which every program window
// ignores.
void removeCloseEntry(QWidget *window) {
    window->setWindowFlags(kProgramWindowFlags);
}

void followScreenSize(QSize) {}

void endProgram() {
    QApplication::exit(0);
}

// The session claim on Linux: an advisory lock on a file in the user's runtime folder,
// which the kernel lets go of when the process ends, however it ends; beside it a socket on
// which the copy that holds the lock hears later starts.

namespace {
// How long a later start waits for a copy that holds the lock but is still opening its
// socket (it does so right after taking the lock).
constexpr int kConnectTries = 40;
constexpr unsigned kConnectPauseUs = 50'000;

// One claim per desktop session: the same user may be logged in on two displays.
QString sessionTag() {
    QByteArray tag = qgetenv("WAYLAND_DISPLAY") + '_' + qgetenv("DISPLAY");
    for (char &c : tag) {
        const bool plain =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!plain)
            c = '_';
    }
    return QString::fromLatin1(tag);
}

bool socketAddress(const QByteArray &path, sockaddr_un &address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= int(sizeof(address.sun_path)))
        return false;
    memcpy(address.sun_path, path.constData(), path.size());
    return true;
}

// Asks the copy that holds the lock to come to the front: a connection is the request.
// Never waits long: a copy that does not answer is still the one running.
void askToFront(const QByteArray &path) {
    sockaddr_un address;
    if (!socketAddress(path, address))
        return;
    for (int i = 0; i < kConnectTries; ++i) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0)
            return;
        const int result = ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
        const int error = errno;
        ::close(fd);
        if (result == 0 || (error != ENOENT && error != ECONNREFUSED))
            return;
        usleep(kConnectPauseUs);
    }
}
} // namespace

struct SessionClaim::Platform {
    int lock = -1;
    int listener = -1;
    QByteArray socketPath;
    std::unique_ptr<QSocketNotifier> notifier;
};

QString SessionClaim::programName() {
    return QStringLiteral("org.example.quivelle");
}

SessionClaim::SessionClaim(const QString &name, const QString &place)
    : platform_(std::make_unique<Platform>()) {
    const QString folder = place.isEmpty() ? qEnvironmentVariable("XDG_RUNTIME_DIR") : place;
    if (folder.isEmpty())
        return;
    const QString base = folder + QLatin1Char('/') + name + QLatin1Char('-') + sessionTag();
    platform_->socketPath = QFile::encodeName(base + QStringLiteral(".socket"));
    const int lock = ::open(QFile::encodeName(base + QStringLiteral(".lock")).constData(),
                            O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock < 0)
        return;
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(lock);
        if (held) {
            first_ = false;
            askToFront(platform_->socketPath);
        }
        return;
    }
    platform_->lock = lock;

    sockaddr_un address;
    if (!socketAddress(platform_->socketPath, address))
        return;
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listener < 0)
        return;
    // Left by a copy that ended without tidying up; only the holder of the lock gets here.
    ::unlink(platform_->socketPath.constData());
    if (::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        ::listen(listener, 8) != 0) {
        ::close(listener);
        return;
    }
    platform_->listener = listener;
}

SessionClaim::~SessionClaim() {
    platform_->notifier.reset();
    if (platform_->listener >= 0) {
        ::unlink(platform_->socketPath.constData());
        ::close(platform_->listener);
    }
    // The lock file stays: removing it would let a third start lock a file of its own
    // while a second one still holds the old.
    if (platform_->lock >= 0)
        ::close(platform_->lock);
}

void SessionClaim::onLaterStart(std::function<void()> toFront) {
    if (platform_->listener < 0)
        return;
    platform_->notifier =
        std::make_unique<QSocketNotifier>(platform_->listener, QSocketNotifier::Read);
    QObject::connect(
        platform_->notifier.get(), &QSocketNotifier::activated,
        [listener = platform_->listener, toFront = std::move(toFront)] {
            bool asked = false;
            int connection;
            while ((connection = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) {
                ::close(connection);
                asked = true;
            }
            if (asked && toFront)
                toFront();
        });
}
