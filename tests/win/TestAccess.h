// SPDX-License-Identifier: MIT
// What the Windows tests read of the windows beyond what the player sees: their controls, and
// the About window's timer to tick by hand.
#pragma once

#include <vector>

#include "frmAbout.h"
#include "frmMainVelkaro.h"

struct frmMainVelkaroTestAccess {
    static forms::CommandButton& Yes(frmMainVelkaro& w) { return w.cmdYes; }
    static forms::CommandButton& No(frmMainVelkaro& w) { return w.cmdNo; }
    static forms::CommandButton& Start(frmMainVelkaro& w) { return w.cmdStart; }
    static forms::CommandButton& Wrong(frmMainVelkaro& w) { return w.cmdWrong; }
    static forms::Label& Main(frmMainVelkaro& w) { return w.lblMain; }
    static forms::Label& Question(frmMainVelkaro& w) { return w.lblQu1; }
    static forms::Label& List(frmMainVelkaro& w) { return w.lblNoList; }
};

struct frmAboutTestAccess {
    static void Tick(frmAbout& a) { a.Timer1_Timer(); }
    static forms::Timer& Timer(frmAbout& a) { return a.Timer1; }
    static forms::Label& Greeting(frmAbout& a) { return a.Label7; }
    static std::vector<forms::Label*> Labels(frmAbout& a) {
        return {&a.Label1, &a.Label5, &a.Label7, &a.Label8, &a.Label9};
    }
    static forms::Frame& Frame(frmAbout& a) { return a.Frame1; }
    static forms::CommandButton& Exit(frmAbout& a) { return a.Command1; }
};
