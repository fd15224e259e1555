// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace app {

namespace {

// Qt's standard options, read by QApplication: these take a value ...
constexpr const char* kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",    "display", "geometry",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",   "name",    "style",
    "stylesheet",      "qmljsdebugger",      "dialogs",       "fontengine"};
// ... and these do not.
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb"};

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

void PrintError(const QString& text) {
    std::fprintf(stderr, "velkaro: %s\n", text.toLocal8Bit().constData());
}

} // namespace

std::optional<int> ReadCommandLine(int argc, char* argv[]) {
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
        PrintError(unknown.isEmpty()
                       ? parser.errorText()
                       : QStringLiteral("unknown option '%1'; velkaro --help lists the options")
                             .arg(unknown.constFirst()));
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
        PrintError(QStringLiteral("unexpected argument '%1'; the game takes none")
                       .arg(parser.positionalArguments().constFirst()));
        return 2;
    }
    return std::nullopt;
}

} // namespace app
