// SPDX-License-Identifier: MIT
// Start-up: the command line, then the main window and the event loop until the About window ends
// the program.
#include <QApplication>

#include "CommandLine.h"
#include "Identity.h"
#include "StartupErrors.h"
#include "frmMainVelkaro.h"

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral(VELKARO_NAME));
    QApplication::setApplicationVersion(QStringLiteral(VELKARO_VERSION));
    if (const auto exitCode = app::ReadCommandLine(argc, argv))
        return *exitCode;

    // With shared-memory images every repaint on X11 waits for the server's
    // answer to the one before; the greeting repaints a hundred times a second
    // and costs half as much without them. The windows are small: their pixels
    // go over the connection. Whoever sets the variable keeps their choice.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");

    app::StartupErrors startupErrors;
    QApplication app(argc, argv);
    startupErrors.Done();
    QGuiApplication::setDesktopFileName(QStringLiteral(VELKARO_APP_ID));
    // The program ends from the About window alone.
    QApplication::setQuitOnLastWindowClosed(false);

    (new frmMainVelkaro)->show();
    const int result = QApplication::exec();
    qDeleteAll(QApplication::topLevelWidgets());
    return result;
}
