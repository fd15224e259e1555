// SPDX-License-Identifier: MIT
// Start-up: the command line, then the main window and the event loop until the About window ends
// the program.
#include <QApplication>

#include "CommandLine.h"
#include "Identity.h"
#include "StartupErrors.h"
#include "forms/Application.h"
#include "forms/qt/Native.h"
#include "frmMainVelkaro.h"

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral(VELKARO_NAME));
    QApplication::setApplicationVersion(QStringLiteral(VELKARO_VERSION));
    if (const auto exitCode = app::ReadCommandLine(argc, argv))
        return *exitCode;

    forms::PreparePlatform();

    app::StartupErrors startupErrors;
    QApplication app(argc, argv);
    startupErrors.Done();
    QGuiApplication::setDesktopFileName(QStringLiteral(VELKARO_APP_ID));
    // The program ends from the About window alone.
    QApplication::setQuitOnLastWindowClosed(false);

    forms::qt::Widget(*new frmMainVelkaro).show();
    const int result = QApplication::exec();
    qDeleteAll(QApplication::topLevelWidgets());
    return result;
}
