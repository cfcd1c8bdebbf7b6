// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include <QTest>

// The command line is read before the application exists: every case here runs without one.
class TestCommandLine : public QObject {
    Q_OBJECT
  private slots:
    void readsEveryLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("bigScreen");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<QString>("textHas");
        using A = CommandLine::Action;
        const auto row = [](const char *name, QStringList args, A action, bool big, int status,
                            const char *textHas) {
            args.prepend(QStringLiteral("quivelle"));
            QTest::newRow(name) << args << int(action) << big << status
                                << QString::fromLatin1(textHas);
        };
        row("nothing", {}, A::Run, false, 0, "");
        row("big screen", {"--schermo-grande"}, A::Run, true, 0, "");
        row("help", {"--help"}, A::ShowHelp, false, 0, "--schermo-grande");
        row("short help", {"-h"}, A::ShowHelp, false, 0, "Usage: quivelle");
        row("version", {"--version"}, A::ShowVersion, false, 0, "quivelle 4.0");
        row("short version", {"-v"}, A::ShowVersion, false, 0, "quivelle 4.0");
        row("help wins over the rest", {"--schermo-grande", "--help"}, A::ShowHelp, true, 0,
            "Usage");
        row("unknown option", {"--colori"}, A::Wrong, false, 2, "colori");
        row("Qt's own option", {"-platform", "xcb"}, A::Wrong, false, 2, "Usage");
        row("stray argument", {"esercizi.txt"}, A::Wrong, false, 2, "esercizi.txt");
        row("option with a value it takes none of", {"--schermo-grande=3"}, A::Wrong, false, 2,
            "schermo-grande");
    }

    void readsEveryLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(bool, bigScreen);
        QFETCH(int, exitStatus);
        QFETCH(QString, textHas);
        const CommandLine line = readCommandLine(arguments);
        QCOMPARE(int(line.action), action);
        QCOMPARE(line.bigScreen, bigScreen);
        QCOMPARE(line.exitStatus(), exitStatus);
        QVERIFY2(line.text.contains(textHas), qPrintable(line.text));
        QCOMPARE(line.text.isEmpty(), line.action == CommandLine::Action::Run);
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
