// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound.h"
#include "test_support.h"

#include <QFile>
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
        // A program starts with the sound on.
        Suona(prog.ctx, CueClick);
        Suona(prog.ctx, CueRight);
        QCOMPARE(prog.player.takeCues(), QList<int>({102, 105}));
        QCOMPARE(prog.player.lastClip, clipBytes(105));

        prog.ctx.state.SuonoAttivo = false;
        Suona(prog.ctx, CueWrong);
        QVERIFY(prog.player.cues.isEmpty());
        QCOMPARE(prog.player.lastClip, clipBytes(105));

        // Without a player every cue is silent, the sound switch on or off.
        prog.ctx.state.SuonoAttivo = true;
        prog.ctx.sound = nullptr;
        Suona(prog.ctx, CueWrong);
        QVERIFY(prog.player.cues.isEmpty());
    }
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"
