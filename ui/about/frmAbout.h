// SPDX-License-Identifier: MIT
// The About window: credits, contact lines and a scrolling greeting. A click
// anywhere in it, or a key, ends the program.
#pragma once

#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/Line.h"
#include "forms/Timer.h"

class frmAbout : public forms::Form {
public:
    // The About window, created (and loaded) on first use.
    static frmAbout& Instance();
    ~frmAbout() override;

private:
    frmAbout();

    void Form_Load();
    void Timer1_Timer();
    void Command1_Click();
    void Form_Click();
    void Form_KeyPress(int KeyAscii);
    void Frame1_Click();
    void Label1_Click();
    void Label5_Click();
    void Label7_Click();
    void Label8_Click();
    void Label9_Click();

    // In the order of the window's design; the frame is drawn over the
    // labels and lines, and the silver line over the dark one.
    forms::Timer Timer1;
    forms::Frame Frame1;
    forms::Label Label9; // in Frame1
    forms::Label Label8; // in Frame1
    forms::CommandButton Command1;
    forms::Label Label7;
    forms::Label Label5;
    forms::Line Line2;
    forms::Line Line1;
    forms::Label Label1;

    friend struct frmAboutTestAccess;
};
