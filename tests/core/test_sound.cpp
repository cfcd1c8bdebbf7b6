// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shared_state.h"
#include "sound.h"
#include "test_support.h"

#include <QFile>
#include <QLoggingCategory>
#include <QMutex>
#include <QTest>
#include <QtEndian>

namespace {
struct WavInfo {
    bool ok = false;
    int format = 0, channels = 0, rate = 0, bits = 0;
    qsizetype dataBytes = 0;
    int minSample = 255, maxSample = 0;
    int firstSample = 0, lastSample = 0;
};

WavInfo parseWav(const QByteArray &b) {
    WavInfo w;
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return w;
    if (qFromLittleEndian<quint32>(b.constData() + 4) != quint32(b.size() - 8))
        return w;
    qsizetype pos = 12;
    bool haveFmt = false;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        const quint32 len = qFromLittleEndian<quint32>(b.constData() + pos + 4);
        const char *body = b.constData() + pos + 8;
        if (pos + 8 + qsizetype(len) > b.size())
            return w;
        if (id == "fmt ") {
            w.format = qFromLittleEndian<quint16>(body);
            w.channels = qFromLittleEndian<quint16>(body + 2);
            w.rate = int(qFromLittleEndian<quint32>(body + 4));
            w.bits = qFromLittleEndian<quint16>(body + 14);
            haveFmt = true;
        } else if (id == "data" && haveFmt) {
            w.dataBytes = len;
            for (quint32 i = 0; i < len; ++i) {
                const int v = quint8(body[i]);
                w.minSample = qMin(w.minSample, v);
                w.maxSample = qMax(w.maxSample, v);
            }
            w.firstSample = quint8(body[0]);
            w.lastSample = quint8(body[len - 1]);
            w.ok = true;
            return w;
        }
        pos += 8 + len + (len & 1);
    }
    return w;
}

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

class TestSound : public QObject {
    Q_OBJECT
  private slots:
    void clipsAreSmallPcmWavs_data() {
        QTest::addColumn<int>("cue");
        QTest::addColumn<int>("rate");
        QTest::addColumn<double>("seconds");
        QTest::newRow("101 completed") << 101 << 11025 << 2.79;
        QTest::newRow("102 click") << 102 << 11025 << 0.12;
        QTest::newRow("103 wrong") << 103 << 22050 << 0.67;
        QTest::newRow("104 neutral") << 104 << 22050 << 0.52;
        QTest::newRow("105 right") << 105 << 22050 << 0.72;
        QTest::newRow("106 opened") << 106 << 11025 << 1.14;
    }
    void clipsAreSmallPcmWavs() {
        QFETCH(int, cue);
        QFETCH(int, rate);
        QFETCH(double, seconds);
        const QByteArray bytes = clipBytes(cue);
        const WavInfo w = parseWav(bytes);
        QVERIFY2(w.ok, "not a well-formed RIFF WAV");
        QCOMPARE(w.format, 1);
        QCOMPARE(w.channels, 1);
        QCOMPARE(w.bits, 8);
        QCOMPARE(w.rate, rate);
        const double length = double(w.dataBytes) / rate;
        QVERIFY2(qAbs(length - seconds) <= 0.1 * seconds, qPrintable(QString::number(length)));
        // Headroom (no clipping) and a quiet start and end (no click at the edges).
        QVERIFY(w.minSample > 0 && w.maxSample < 255);
        QVERIFY(qAbs(w.firstSample - 128) <= 2 && qAbs(w.lastSample - 128) <= 2);
        // Audible: not a silent file.
        QVERIFY(w.maxSample - w.minSample > 100);
    }

    void builtInClipsAreTheCommittedFiles() {
        for (int cue = 101; cue <= 106; ++cue) {
            QFile file(QStringLiteral(QUIVELLE_SOURCE_DIR "/assets/sounds/%1.wav").arg(cue));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(clipBytes(cue), file.readAll());
        }
        QVERIFY(clipBytes(100).isEmpty());
        QVERIFY(clipBytes(107).isEmpty());
    }

    void cueReachesPlayerOnlyWithSoundOn() {
        TestProgram prog;
        prog.ctx.suona(CueClick);
        prog.ctx.suona(CueRight);
        QCOMPARE(prog.player.takeCues(), QList<int>({102, 105}));
        QCOMPARE(prog.player.lastClip, clipBytes(105));

        prog.ctx.state.SuonoAttivo = false;
        prog.ctx.suona(CueWrong);
        Suona(prog.ctx.state, prog.player, CueCompleted);
        QVERIFY(prog.player.cues.isEmpty());
        QCOMPARE(prog.player.lastClip, clipBytes(105));
    }

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

QTEST_MAIN(TestSound)
#include "test_sound.moc"
