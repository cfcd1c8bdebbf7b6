// SPDX-FileCopyrightText: 2026 quivelle team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include <QCommandLineParser>

namespace {
const QString kBigScreen = QStringLiteral("schermo-grande");

QString usage() {
    return QStringLiteral(
        "Usage: quivelle [OPTION]\n"
        "Operazioni con le quivelle: guided exercises on the four operations with fractions.\n"
        "\n"
        "  --schermo-grande  draw every window as large as the screen holds, up to twice\n"
        "                    the size (whiteboards, projectors)\n"
        "  -h, --help        print this help and exit\n"
        "  -v, --version     print the version and exit\n");
}
} // namespace

CommandLine readCommandLine(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption bigScreen(kBigScreen);
    parser.addOptions({help, version, bigScreen});

    CommandLine line;
    const bool parsed =
        parser.parse(arguments.isEmpty() ? QStringList{QStringLiteral("quivelle")} : arguments);
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        const QString what = parsed ? QStringLiteral("unexpected argument '%1'")
                                          .arg(parser.positionalArguments().constFirst())
                                    : parser.errorText();
        line.action = CommandLine::Action::Wrong;
        line.text = QStringLiteral("quivelle: %1\n\n%2").arg(what, usage());
        return line;
    }
    line.bigScreen = parser.isSet(bigScreen);
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::ShowHelp;
        line.text = usage();
    } else if (parser.isSet(version)) {
        line.action = CommandLine::Action::ShowVersion;
        line.text = QStringLiteral("quivelle %1.%2\n")
                        .arg(QUIVELLE_VERSION_MAJOR)
                        .arg(QUIVELLE_VERSION_MINOR);
    }
    return line;
}
