// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/commandline.h"

#include "platform/programversion.h"

#include <QCommandLineParser>
#include <cstdio>

namespace CommandLine {

namespace {

void write(std::FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
}

// Only the names: the usage below is written out whole, in Italian, as
// the parser's own would be in English before Qt's translations load. A
// single dash takes a word, as Qt's own options do (-platform, -version).
bool parse(QCommandLineParser& parser, const QStringList& arguments) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    parser.addOption(
        QCommandLineOption(QStringList{QStringLiteral("v"), QStringLiteral("version")}));
    return parser.parse(arguments);
}

QString usage() {
    return QStringLiteral(
        "Uso: fenoverra [opzioni] [FILE]\n"
        "Calcolo di interessi semplici e composti. FILE, un file di dati\n"
        "(Fenoverra-dati-...) o una tabella dei tassi (Fenoverra-tab-...), si apre\n"
        "all'avvio nella sua finestra.\n"
        "\n"
        "Opzioni:\n"
        "  -h, --help     mostra questo aiuto ed esce\n"
        "  -v, --version  mostra la versione ed esce\n");
}

QString versionText() {
    return QStringLiteral("Fenoverra ") + QString::fromLatin1(ProgramVersion::kVersion) +
           QStringLiteral("\n"
                          "Licenza GPL-3.0-or-later: GNU GPL versione 3 o successiva\n"
                          "<https://www.gnu.org/licenses/gpl-3.0.html>.\n"
                          "È software libero: si può modificare e ridistribuire.\n"
                          "Non c'è alcuna garanzia, nei limiti permessi dalla legge.\n");
}

} // namespace

Request read(const QStringList& arguments) {
    QCommandLineParser parser;
    if (!parse(parser, arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        write(stderr, (unknown.isEmpty() ? parser.errorText()
                                         : QStringLiteral("Opzione sconosciuta: ") +
                                               unknown.join(QStringLiteral(", "))) +
                          QStringLiteral("\n\n") + usage());
        return {{}, 2};
    }
    if (parser.isSet(QStringLiteral("help"))) {
        write(stdout, usage());
        return {{}, 0};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        write(stdout, versionText());
        return {{}, 0};
    }
    // The desktop entry passes one file; any further ones are ignored.
    return {parser.positionalArguments().value(0), std::nullopt};
}

std::optional<int> answerEarly(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    if (!parse(parser, arguments) || parser.optionNames().isEmpty()) return std::nullopt;
    return read(arguments).exitCode;
}

} // namespace CommandLine
