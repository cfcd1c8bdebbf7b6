// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A helper program run by a test, started with posix_spawn rather than QProcess. QProcess
// starts its children the vfork way through a clone call of its own, and the child's steps
// before it runs the program (closing files, resetting signals) pass through
// ThreadSanitizer's hooks inside this process's memory: under make tsan that left the
// sanitizer either stopping the test or blind to this process's locks. posix_spawn takes
// those steps inside the C library, where the sanitizer does not look.

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>
#include <QStringList>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

class SpawnedChild {
  public:
    // Runs program (looked up on PATH) with args. Its standard error goes to errorFile (or
    // nowhere when empty); its standard output to a pipe when readOutput, else nowhere. The
    // child is killed should this process end first, even by a crash.
    SpawnedChild(const QString &program, const QStringList &args, const QString &errorFile = {},
                 bool readOutput = false) {
        QList<QByteArray> argv = {"setpriv", "--pdeathsig", "KILL", "--", program.toLocal8Bit()};
        for (const QString &arg : args)
            argv << arg.toLocal8Bit();
        std::vector<char *> pointers;
        for (QByteArray &arg : argv)
            pointers.push_back(arg.data());
        pointers.push_back(nullptr);

        int pipe[2] = {-1, -1};
        if (readOutput && ::pipe2(pipe, O_CLOEXEC) < 0)
            return;
        const QByteArray errorPath = errorFile.isEmpty() ? "/dev/null" : errorFile.toLocal8Bit();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        if (readOutput)
            posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
        else
            posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorPath.constData(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (posix_spawnp(&pid_, "setpriv", &actions, nullptr, pointers.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        if (readOutput) {
            ::close(pipe[1]);
            output_ = pipe[0];
            ::fcntl(output_, F_SETFL, O_NONBLOCK);
        }
    }

    ~SpawnedChild() {
        kill();
        if (output_ >= 0)
            ::close(output_);
    }

    SpawnedChild(const SpawnedChild &) = delete;
    SpawnedChild &operator=(const SpawnedChild &) = delete;

    bool isRunning() {
        if (pid_ <= 0 || finished_)
            return false;
        if (::waitpid(pid_, &status_, WNOHANG) == pid_)
            finished_ = true;
        return !finished_;
    }

    // Waits until the child has ended; false when it is still running after timeoutMs.
    bool waitForFinished(int timeoutMs) {
        const QDeadlineTimer deadline(timeoutMs);
        while (isRunning()) {
            if (deadline.hasExpired())
                return false;
            QThread::msleep(5);
        }
        return true;
    }

    void terminate() {
        if (isRunning())
            ::kill(pid_, SIGTERM);
    }

    void kill() {
        if (!isRunning())
            return;
        ::kill(pid_, SIGKILL);
        waitForFinished(2000);
    }

    bool succeeded() {
        return !isRunning() && pid_ > 0 && WIFEXITED(status_) && WEXITSTATUS(status_) == 0;
    }

    // The descriptor of the child's standard output, -1 when it is not read.
    int outputFd() const { return output_; }

    // Whatever the child has written so far, without waiting.
    QByteArray readOutput() {
        QByteArray all;
        char buffer[8192];
        ssize_t got = 0;
        while (output_ >= 0 && (got = ::read(output_, buffer, sizeof buffer)) > 0)
            all.append(buffer, got);
        return all;
    }

    // Waits up to timeoutMs for output to read.
    void waitForOutput(int timeoutMs) {
        pollfd fd = {output_, POLLIN, 0};
        ::poll(&fd, 1, timeoutMs);
    }

  private:
    pid_t pid_ = -1;
    int status_ = 0;
    bool finished_ = false;
    int output_ = -1;
};
