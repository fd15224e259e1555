// SPDX-License-Identifier: MIT
// What the tests read of the windows beyond what the player sees.
#pragma once

#include <QApplication>
#include <QtTest>
#include <cmath>
#include <string>
#include <type_traits>

#include "AnswerCodes.h"
#include "Design.h"
#include "FormsAccess.h"
#include "forms/Twips.h"
#include "forms/qt/Utf8.h"
#include "frmAbout.h"
#include "frmMainVelkaro.h"

using forms::qt::FromUtf8;

// Texts as the tests compare them, with their contents shown on failure.
template <> inline char* QTest::toString(const std::string& text) {
    return QTest::toString(QString::fromStdString(text));
}

struct frmMainVelkaroTestAccess {
    static std::int16_t Step(const frmMainVelkaro& w) { return w.intStep; }
    static const engine::TextSlots& Candidates(const frmMainVelkaro& w) { return w.aryCandidates; }
    static void ResetGame(frmMainVelkaro& w) { w.ResetGame(); }
};

struct frmAboutTestAccess {
    static void Tick(frmAbout& a) { a.Timer1_Timer(); }
    static forms::Timer& Timer(frmAbout& a) { return a.Timer1; }
};

// The design's boxes as Qt holds them (its texts: FromUtf8).
inline QRectF ToQRectF(const design::Rect& twips) {
    return {twips.left, twips.top, twips.width, twips.height};
}

// The pixels of a box in twips at a logical DPI (the tests' screen has 96, 15
// twips to the pixel): each edge at round(twips / (1440 / DPI)).
inline QRect Pixels(const QRectF& twips, double dpi = 96) {
    const auto px = [dpi](double t) { return int(std::lround(t / (1440.0 / dpi))); };
    const int x = px(twips.left()), y = px(twips.top());
    return {x, y, px(twips.left() + twips.width()) - x, px(twips.top() + twips.height()) - y};
}
inline QRect Pixels(const design::Rect& twips, double dpi = 96) {
    return Pixels(ToQRectF(twips), dpi);
}

// Shows a window and waits until it is on the screen.
// A test that ended the program before starts it again here.
inline void ShowAndWait(forms::Form& window) {
    forms::Restart();
    Widget(window).show();
    if (!QTest::qWaitForWindowExposed(&Widget(window)))
        qFatal("the window was not shown");
}

// A new main window, as the program opens it at launch, on the screen.
inline frmMainVelkaro* OpenMain() {
    auto* window = new frmMainVelkaro;
    ShowAndWait(*window);
    return window;
}

// Which controls of the main window are shown, in a fixed order.
inline QString Shown(const frmMainVelkaro& window) {
    QStringList shown;
    for (const char* name :
         {"lblMain", "lblQu1", "lblNoList", "cmdYes", "cmdNo", "cmdStart", "cmdWrong"})
        if (Control<forms::Control>(window, name).Visible())
            shown << QString::fromLatin1(name);
    return shown.join(QLatin1Char(' '));
}

// Answers the seven questions of a page with the bits of an answer code.
inline void AnswerSeven(frmMainVelkaro& window, int code) {
    for (int question = 1; question <= 7; ++question)
        QTest::mouseClick(
            &Control(window, answer_codes::SaysYes(code, question) ? "cmdYes" : "cmdNo"),
            Qt::LeftButton);
}

// A game from the start screen to the result the answers lead to.
inline void Play(frmMainVelkaro& window, int code) {
    QTest::mouseClick(&Control(window, "cmdStart"), Qt::LeftButton);
    AnswerSeven(window, code);
}

// Runs the event loop as the program does, with the action queued first;
// what the loop returns, or -1 when nothing ended it within two seconds.
inline int RunUntilEnd(const std::function<void()>& action) {
    QTimer::singleShot(0, action);
    // The guard dies with this call: one left waiting would end a later loop.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    guard.start(2000);
    return QCoreApplication::exec();
}

// The About window, as closing a new main window opens it; with its greeting
// held still from the first moment, where a test aims at it.
inline frmAbout& OpenAbout(bool greetingStopped = false) {
    OpenMain()->Close();
    frmAbout& about = frmAbout::Instance();
    // Before the wait below, in which a tick might move the greeting.
    if (greetingStopped)
        frmAboutTestAccess::Timer(about).SetEnabled(false);
    if (!QTest::qWaitForWindowExposed(&Widget(about)))
        qFatal("the About window was not shown");
    return about;
}
inline frmAbout& AboutWithGreetingStopped() {
    return OpenAbout(true);
}

// Closes whatever windows an earlier test left behind.
inline void DiscardWindows() {
    for (QWidget* window : QApplication::topLevelWidgets())
        delete forms::qt::FormOf(*window);
}
