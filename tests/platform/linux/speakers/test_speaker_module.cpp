// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

// The speakers of the Linux program: the module that plays through the desktop's sound
// server, loaded lazily, and what it reports when it cannot play.

#include "speaker_module.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QMutex>
#include <QTest>

namespace {
// The messages of the program's own categories, from any thread: how many in all, and the
// reports among them (all but debug messages).
struct ProgramLog {
    static inline QMutex mutex;
    static inline int count = 0;
    static inline QStringList reports;
    static void record(QtMsgType type, const QMessageLogContext &context, const QString &text) {
        if (!QByteArray(context.category).startsWith("quivelle."))
            return;
        QMutexLocker lock(&mutex);
        ++count;
        if (type != QtDebugMsg)
            reports << QLatin1String(context.category) + QLatin1String(": ") + text;
    }
};
} // namespace

class TestSpeakerModule : public QObject {
    Q_OBJECT
  private slots:
    void speakersLoadTheirModuleLazilyAndNeverBlock() {
        // The module is looked for only at the first cue; on a machine with no audio
        // output every cue then returns at once, silently.
        SpeakerPlayer speakers({QStringLiteral(QUIVELLE_BINARY_DIR)});
        QVERIFY(!speakers.moduleLoaded());
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 50; ++i)
            speakers.play(101 + i % 6, {});
        speakers.play(99, {});
        QVERIFY(speakers.moduleLoaded());
        QVERIFY(t.elapsed() < 5000);
    }

    void warmingUpLoadsTheModuleBeforeAnyCue() {
        SpeakerPlayer speakers({QStringLiteral(QUIVELLE_BINARY_DIR)});
        speakers.warmUp();
        QVERIFY(speakers.moduleLoaded());
        speakers.warmUp(); // a second warm-up changes nothing
        speakers.play(CueClick, {});
        QVERIFY(speakers.moduleLoaded());
    }

    void soundFailuresAreReportedOnceOnlyWhenAskedFor_data() {
        QTest::addColumn<QString>("moduleDir");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("report");
        const QString module = QStringLiteral(QUIVELLE_BINARY_DIR), none = "/nonexistent";
        QTest::newRow("no module, asked") << none << true << "no speakers module could be loaded";
        QTest::newRow("no module, default") << none << false << QString();
        QTest::newRow("no server, asked") << module << true << "sound server cannot be reached";
        QTest::newRow("no server, default") << module << false << QString();
    }
    void soundFailuresAreReportedOnceOnlyWhenAskedFor() {
        QFETCH(QString, moduleDir);
        QFETCH(bool, asked);
        QFETCH(QString, report);
        qputenv("PULSE_SERVER", "unix:/nonexistent/quivelle/pulse/native");
        QLoggingCategory::setFilterRules(asked ? QStringLiteral("quivelle.*=true") : QString());
        ProgramLog::count = 0;
        ProgramLog::reports.clear();
        const QtMessageHandler previous = qInstallMessageHandler(ProgramLog::record);
        auto speakers = std::make_unique<SpeakerPlayer>(QStringList{moduleDir});
        for (int i = 0; i < 6; ++i) {
            speakers->play(CueClick, clipBytes(CueClick));
            QTest::qWait(20);
        }
        speakers.reset(); // the sound thread ends here, with all its reports written
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
        if (report.isEmpty()) {
            QCOMPARE(ProgramLog::count, 0);
            return;
        }
        const QStringList &reports = ProgramLog::reports;
        QVERIFY2(reports.size() == 1 && reports[0].startsWith(QLatin1String("quivelle.sound: ")) &&
                     reports[0].contains(report),
                 qPrintable(reports.join('\n')));
    }

    void speakersWithoutModuleAreSilent() {
        SpeakerPlayer speakers({QStringLiteral("/nonexistent")});
        speakers.play(CueClick, clipBytes(CueClick));
        QVERIFY(!speakers.moduleLoaded());
    }
};

QTEST_MAIN(TestSpeakerModule)
#include "test_speaker_module.moc"
