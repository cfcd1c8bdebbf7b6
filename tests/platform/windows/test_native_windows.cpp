// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The Windows build's own services, checked on real Windows windows (the "windows"
// platform, which under Wine needs an X display) and through the system's sound calls.

#include "program_window.h"
#include "sound.h"
#include "windows_speakers.h"

#include <QElapsedTimer>
#include <QTest>

#include <windows.h>

class TestNativeWindows : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("windows")); }

    void windowStaysAboveOthersAndCannotBeClosed() {
        ProgramWindow w;
        w.setClientSize(300, 200);
        w.showAndActivate();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const auto handle = reinterpret_cast<HWND>(w.winId());
        QVERIFY(GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_TOPMOST);

        HMENU menu = GetSystemMenu(handle, FALSE);
        QVERIFY(menu);
        QCOMPARE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), UINT(-1));
        QVERIFY(GetMenuState(menu, SC_MINIMIZE, MF_BYCOMMAND) != UINT(-1));

        // The close command of the window menu, the title bar's button, Alt+F4: none of
        // them closes the window.
        SendMessageW(handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        SendMessageW(handle, WM_CLOSE, 0, 0);
        PostMessageW(handle, WM_SYSKEYDOWN, VK_F4, LPARAM(1) << 29);
        QTest::qWait(200);
        QVERIFY(w.isVisible());
        QVERIFY(IsWindowVisible(handle));
        QVERIFY(GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
    }

    void speakersReturnAtOnceAndCutOffThePlayingClip() {
        // Each cue in turn, then a burst of clicks, an unknown cue and an empty clip: the
        // system plays from memory in the background, so none of them waits for its clip.
        WindowsSpeakers speakers;
        QElapsedTimer t;
        t.start();
        for (int cue = CueCompleted; cue <= CueOpened; ++cue)
            speakers.play(cue, clipBytes(cue));
        for (int i = 0; i < 20; ++i)
            speakers.play(CueClick, clipBytes(CueClick));
        speakers.play(99, clipBytes(99));
        speakers.play(CueCompleted, {});
        QVERIFY2(t.elapsed() < 2000, qPrintable(QString::number(t.elapsed())));
    }
};

QTEST_MAIN(TestNativeWindows)
#include "test_native_windows.moc"
