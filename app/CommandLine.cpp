// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include "ErrorLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace app {

namespace {

// Qt's standard options, read by QApplication and the X11 platform: these take a value ...
constexpr const char* kQtOptionsWithValue[] = {"platform",
                                               "platformpluginpath",
                                               "platformtheme",
                                               "plugin",
                                               "display",
                                               "geometry",
                                               "title",
                                               "icon",
                                               "name",
                                               "visual",
                                               "qwindowgeometry",
                                               "qwindowicon",
                                               "qwindowtitle",
                                               "session",
                                               "style",
                                               "stylesheet",
                                               "qmljsdebugger"};
// ... of which Qt itself reads these in the -option=value form too ...
constexpr const char* kQtOptionsWithJoinedValue[] = {"style", "stylesheet", "qmljsdebugger"};
// ... and these take none.
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "testability"};

constexpr const char kHelp[] =
    "Usage: velkaro [options]\n"
    "Velkaro reads your mind: think of a whole number from 0 to 90, answer seven\n"
    "questions in its window, and it names your number. The game speaks Arabic.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Show this help and exit.\n"
    "  -v, --version  Show the version and exit.\n"
    "\n"
    "Qt's standard options work as well, among them -platform <name>,\n"
    "-display <display>, -style <style> and -reverse. See velkaro(6).\n";

bool IsOneOf(const QByteArray& name, const auto& names) {
    return std::any_of(std::begin(names), std::end(names),
                       [&](const char* known) { return name == known; });
}

// The arguments for QApplication: argv as given, with each Qt option whose value is joined by
// "=" split into the option and its value where Qt reads only that form. The parser has
// accepted argv, so an option that takes a value and has no "=" is followed by its value.
std::vector<QByteArray> QtArguments(int argc, char* argv[]) {
    std::vector<QByteArray> arguments;
    if (argc > 0)
        arguments.emplace_back(argv[0]);
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        QByteArray option = argument;
        if (option.startsWith("--"))
            option.remove(0, 2);
        else if (option.startsWith('-'))
            option.remove(0, 1);
        else {
            arguments.push_back(argument);
            continue;
        }
        const qsizetype equals = option.indexOf('=');
        const QByteArray name = equals < 0 ? option : option.left(equals);
        if (!IsOneOf(name, kQtOptionsWithValue)) {
            arguments.push_back(argument);
        } else if (equals < 0) {
            arguments.push_back(argument);
            if (i + 1 < argc)
                arguments.emplace_back(argv[++i]);
        } else if (IsOneOf(name, kQtOptionsWithJoinedValue)) {
            arguments.push_back(argument);
        } else {
            arguments.push_back('-' + name);
            arguments.push_back(option.mid(equals + 1));
        }
    }
    return arguments;
}

} // namespace

std::optional<int> ReadCommandLine(int argc, char* argv[], StartOptions& options) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's options are written with one dash: -platform is one option, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : kQtOptionsWithValue)
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char* name : kQtFlags)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        PrintErrorLine(unknown.isEmpty()
                           ? parser.errorText()
                           : QStringLiteral("unknown option '%1'; velkaro --help lists the options")
                                 .arg(Shown(unknown.constFirst())));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", QCoreApplication::applicationName().toLocal8Bit().constData(),
                    QCoreApplication::applicationVersion().toLocal8Bit().constData());
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        PrintErrorLine(QStringLiteral("unexpected argument '%1'; the game takes none")
                           .arg(Shown(parser.positionalArguments().constFirst())));
        return 2;
    }
    options.qtArguments = QtArguments(argc, argv);
    options.platform = parser.value(QStringLiteral("platform"));
    options.display = parser.value(QStringLiteral("display"));
    return std::nullopt;
}

} // namespace app
