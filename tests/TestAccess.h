// SPDX-License-Identifier: MIT
// What the tests read of the windows beyond what the player sees.
#pragma once

#include <QApplication>
#include <QtTest>

#include "AnswerCodes.h"
#include "Design.h"
#include "forms/Twips.h"
#include "frmAbout.h"
#include "frmMainVelkaro.h"

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

// A control of a window, by name.
template <typename T = QWidget> T& Control(QWidget& window, const char* name) {
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    if (!control)
        qFatal("no control %s", name);
    return *control;
}

// The pixels of a box in twips on this screen.
inline QRect Pixels(const QRectF& twips) {
    return forms::ToPixels(float(twips.left()), float(twips.top()), float(twips.width()),
                           float(twips.height()));
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
    main->show();
    main->close();
    frmAbout& about = frmAbout::Instance();
    if (!QTest::qWaitForWindowExposed(&about))
        qFatal("the About window was not shown");
    return about;
}

// The About window with its greeting held still, where a test aims at it.
inline frmAbout& AboutWithGreetingStopped() {
    frmAbout& about = OpenAbout();
    frmAboutTestAccess::Timer(about).stop();
    return about;
}

// Closes whatever windows an earlier test left behind.
inline void DiscardWindows() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<forms::Form*>(window))
            delete window;
}
