// Start-up: the main window, then the event loop until the About window ends
// the program.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "Identity.h"
#include "frmMainVelkaro.h"

namespace {

// On Linux Qt aborts when it finds no display; say so plainly instead.
bool DisplayAvailable() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    if (!DisplayAvailable()) {
        std::fputs("velkaro: no display to show the game on; without one, run it under Xvfb: "
                   "xvfb-run -a velkaro\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(VELKARO_NAME));
    QApplication::setApplicationVersion(QStringLiteral(VELKARO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(VELKARO_APP_ID));
    // The program ends from the About window alone.
    QApplication::setQuitOnLastWindowClosed(false);

    (new frmMainVelkaro)->show();
    const int result = QApplication::exec();
    qDeleteAll(QApplication::topLevelWidgets());
    return result;
}
