// SPDX-License-Identifier: MIT
#include "StartupErrors.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
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

QtMessageHandler gPrevious = nullptr;
std::vector<HeldMessage> gHeld;

bool IsPlatformCategory(const char* category) {
    return category && std::strncmp(category, "qt.qpa.", 7) == 0;
}

// What Qt's X11 platform says when it cannot reach the display.
constexpr char kCannotConnect[] = "could not connect to display";

QString StartupErrorLine(const QString& fatal) {
    for (const HeldMessage& held : gHeld) {
        if (!held.text.startsWith(QLatin1String(kCannotConnect)))
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
            .arg(display);
    }
    // Another platform failure: the first thing Qt said about it.
    for (const HeldMessage& held : gHeld) {
        if (held.type != QtDebugMsg)
            return QStringLiteral("cannot open a window: %1").arg(held.text.section('\n', 0, 0));
    }
    return QStringLiteral("cannot open a window: %1").arg(fatal.section('\n', 0, 0));
}

void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "velkaro: %s\n", StartupErrorLine(text).toLocal8Bit().constData());
        std::_Exit(1); // Qt would abort and dump core
    }
    if (IsPlatformCategory(context.category)) {
        gHeld.push_back(
            {type, context.file, context.line, context.function, context.category, text});
        return;
    }
    gPrevious(type, context, text);
}

} // namespace

StartupErrors::StartupErrors()
    : previous_(qInstallMessageHandler(Handle)) {
    gPrevious = previous_;
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
