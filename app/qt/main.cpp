// SPDX-License-Identifier: MIT
// Start-up: the command line and the settings Qt cannot survive, then the main window and the
// event loop until the About window ends the program.
#include <QApplication>
#include <vector>

#include "CommandLine.h"
#include "Identity.h"
#include "StartupChecks.h"
#include "StartupErrors.h"
#include "forms/Application.h"
#include "frmMainVelkaro.h"

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral(VELKARO_NAME));
    QApplication::setApplicationVersion(QStringLiteral(VELKARO_VERSION));
    app::StartOptions options;
    if (const auto exitCode = app::ReadCommandLine(argc, argv, options))
        return *exitCode;
    app::IgnoreUnusableScaleSettings();
    if (!app::DisplayScreenIsPossible(options.platform, options.display))
        return 1;

    forms::PreparePlatform();

    // QApplication keeps the command line it is given, and takes Qt's options out of it.
    std::vector<char*> qtArgv;
    for (QByteArray& argument : options.qtArguments)
        qtArgv.push_back(argument.data());
    int qtArgc = int(qtArgv.size());
    qtArgv.push_back(nullptr);

    app::StartupErrors startupErrors;
    QApplication app(qtArgc, qtArgv.data());
    QGuiApplication::setDesktopFileName(QStringLiteral(VELKARO_APP_ID));
    // The program ends from the About window alone.
    QApplication::setQuitOnLastWindowClosed(false);

    return forms::Run(*new frmMainVelkaro, [&startupErrors] { startupErrors.Done(); });
}
