// SPDX-License-Identifier: MIT
#include "StartupErrors.h"

#include "ErrorLine.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace app {

namespace {

// A message held back: the context's strings are Qt's static texts.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

std::vector<HeldMessage> gHeld;

bool IsPlatformCategory(const char* category) {
    return category && std::strncmp(category, "qt.qpa.", 7) == 0;
}

// What Qt's X11 platform says when it cannot reach the display.
constexpr char kCannotConnect[] = "could not connect to display";

// What Qt says when its platform started without a screen (linuxfb without a framebuffer) and
// a window is made.
constexpr char kNoScreens[] = "no screens available";

QString StartupErrorLine(const QString& fatal) {
    for (const HeldMessage& held : gHeld) {
        if (!IsPlatformCategory(held.category) ||
            !held.text.startsWith(QLatin1String(kCannotConnect)))
            continue;
        QString display = held.text.mid(int(std::strlen(kCannotConnect))).trimmed();
        if (display.isEmpty())
            display = qEnvironmentVariable("DISPLAY");
        if (display.isEmpty())
            return QStringLiteral(
                "the game needs a graphical desktop, and there is none here (DISPLAY is not "
                "set); to play without one, run it under Xvfb: xvfb-run -a velkaro");
        return QStringLiteral("cannot open the display \"%1\": no X server answers there, or it "
                              "does not let this user in")
            .arg(Shown(display));
    }
    if (fatal.contains(QLatin1String(kNoScreens)) && qApp)
        return QStringLiteral("cannot open a window: Qt's platform \"%1\" finds no screen here")
            .arg(Shown(QGuiApplication::platformName()));
    // Another platform failure: the first thing Qt said about it.
    for (const HeldMessage& held : gHeld) {
        if (IsPlatformCategory(held.category) && held.type != QtDebugMsg)
            return QStringLiteral("cannot open a window: %1").arg(held.text.section('\n', 0, 0));
    }
    return QStringLiteral("cannot open a window: %1").arg(fatal.section('\n', 0, 0));
}

void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        PrintErrorLine(StartupErrorLine(text));
        std::_Exit(1); // Qt would abort and dump core
    }
    gHeld.push_back({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

StartupErrors::StartupErrors()
    : previous_(qInstallMessageHandler(Handle)) {
    gHeld.clear();
}

StartupErrors::~StartupErrors() {
    Done();
}

void StartupErrors::Done() {
    if (done_)
        return;
    done_ = true;
    qInstallMessageHandler(previous_);
    for (const HeldMessage& held : gHeld) {
        const QMessageLogContext context(held.file, held.line, held.function, held.category);
        previous_(held.type, context, held.text);
    }
    gHeld.clear();
}

} // namespace app
