// SPDX-License-Identifier: MIT
// What the tests read of the windows beyond what the player sees.
#pragma once

#include <QApplication>
#include <QtTest>
#include <string>
#include <type_traits>

#include "AnswerCodes.h"
#include "Design.h"
#include "forms/Twips.h"
#include "forms/qt/Native.h"
#include "forms/qt/Utf8.h"
#include "forms/qt/Widgets.h"
#include "frmAbout.h"
#include "frmMainVelkaro.h"

using forms::qt::FromUtf8;
using forms::qt::Widget;

// Texts as the tests compare them, with their contents shown on failure.
template <> inline char* QTest::toString(const std::string& text) {
    return QTest::toString(QString::fromStdString(text));
}

struct frmMainVelkaroTestAccess {
    static std::int16_t Step(const frmMainVelkaro& w) { return w.intStep; }
    static const engine::TextSlots& Candidates(const frmMainVelkaro& w) { return w.aryCandidates; }
    static const std::string& CardText(const frmMainVelkaro& w, int card) {
        const std::string* cards[] = {&w.strCard1, &w.strCard2, &w.strCard3, &w.strCard4,
                                      &w.strCard5};
        return *cards[card - 1];
    }
    static void ResetGame(frmMainVelkaro& w) { w.ResetGame(); }
};

struct frmAboutTestAccess {
    static void Tick(frmAbout& a) { a.Timer1_Timer(); }
    static forms::Timer& Timer(frmAbout& a) { return a.Timer1; }
};

// A control of a window, by name: its widget, or the forms control itself.
template <typename T = QWidget> T& Control(const QWidget& window, const char* name) {
    QWidget* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
    T* control = nullptr;
    if (widget) {
        if constexpr (std::is_base_of_v<QWidget, T>)
            control = qobject_cast<T*>(widget);
        else
            control = dynamic_cast<T*>(forms::qt::ControlOf(*widget));
    }
    if (!control)
        qFatal("no control %s", name);
    return *control;
}
template <typename T = QWidget> T& Control(const forms::Form& window, const char* name) {
    return Control<T>(Widget(window), name);
}

// The pixels of a box in twips on this screen.
inline QRect Pixels(const QRectF& twips) {
    const forms::PixelRect box = forms::ToPixels(float(twips.left()), float(twips.top()),
                                                 float(twips.width()), float(twips.height()));
    return {box.left, box.top, box.width, box.height};
}

// Shows a window and waits until it is on the screen.
inline void ShowAndWait(forms::Form& window) {
    Widget(window).show();
    if (!QTest::qWaitForWindowExposed(&Widget(window)))
        qFatal("the window was not shown");
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

// The About window, as closing a new main window opens it.
inline frmAbout& OpenAbout() {
    auto* main = new frmMainVelkaro;
    Widget(*main).show();
    main->Close();
    frmAbout& about = frmAbout::Instance();
    if (!QTest::qWaitForWindowExposed(&Widget(about)))
        qFatal("the About window was not shown");
    return about;
}

// The About window with its greeting held still, where a test aims at it.
inline frmAbout& AboutWithGreetingStopped() {
    frmAbout& about = OpenAbout();
    frmAboutTestAccess::Timer(about).SetEnabled(false);
    return about;
}

// Closes whatever windows an earlier test left behind.
inline void DiscardWindows() {
    for (QWidget* window : QApplication::topLevelWidgets())
        delete forms::qt::FormOf(*window);
}

// What the player reads, as Qt holds it.
template <typename T> QString Caption(const T& windowOrControl) {
    return QString::fromStdString(windowOrControl.Caption());
}

// What the widgets draw, in pixels.
inline QFont DrawnFont(const forms::Label& label) {
    return forms::qt::WidgetAs<forms::qt::LabelWidget>(label).DrawnFont();
}
inline QRect PictureRect(const forms::CommandButton& button) {
    return forms::qt::WidgetAs<forms::qt::ButtonWidget>(button).PictureRect();
}
inline QRect CaptionRect(const forms::CommandButton& button) {
    return forms::qt::WidgetAs<forms::qt::ButtonWidget>(button).CaptionRect();
}
