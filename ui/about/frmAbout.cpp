// SPDX-License-Identifier: MIT
#include "frmAbout.h"

#include <QPointer>

#include "Texts.h"
#include "forms/Picture.h"
#include "forms/Twips.h"
#include "forms/Utf8.h"

using forms::FromUtf8;
using forms::Label;

namespace {

const QColor kTeal(0, 192, 192);
const QColor kCyan(0, 255, 255);
const QColor kPurple(128, 0, 128);
const QColor kYellow(255, 255, 0);
const QColor kDarkBlue(0, 0, 192);
const QColor kSilver(192, 192, 192);
const QColor kMagenta(192, 0, 192);

const forms::DesignFont kTitleFont{QStringLiteral("Mudir MT"), 20.25f, QFont::DemiBold};

// Where the greeting starts again once it has left on the right, and how far
// it moves at each tick.
constexpr float kGreetingRestart = -3600;
constexpr float kGreetingStep = 50;

void Design(Label& label, std::string_view caption, float left, float top, float width,
            float height, forms::TextAlignment alignment, const QColor& color) {
    label.SetCaption(FromUtf8(caption));
    label.Move(left, top, width, height);
    label.SetAlignment(alignment);
    label.SetForeColor(color);
}

} // namespace

frmAbout& frmAbout::Instance() {
    static QPointer<frmAbout> about;
    if (!about)
        about = new frmAbout;
    return *about;
}

frmAbout::frmAbout()
    : Form(forms::BorderStyle::FixedDialogNoTitle, 5355, 3345)
    , Timer1(this, 10, true)
    , Frame1(this)
    , Label9(&Frame1)
    , Label8(&Frame1)
    , Command1(this)
    , Label7(this)
    , Label5(this)
    , Line2(this)
    , Line1(this)
    , Label1(this) {
    SetName("frmAbout");
    SetBackColor(kTeal);

    Frame1.SetName("Frame1");
    Frame1.Move(600, 1560, 4095, 975);
    Frame1.SetBackColor(kTeal);
    Frame1.SetForeColor(kCyan);

    Label9.SetName("Label9");
    Design(Label9, texts::kAboutEmail, 720, 240, 2895, 255, forms::TextAlignment::Center, kPurple);
    Label8.SetName("Label8");
    Design(Label8, texts::kAboutMobile, 1320, 600, 1575, 255, forms::TextAlignment::RightJustify,
           kPurple);
    // One line each, whatever the length of the maker's address and number.
    Label9.SetShrinkToFit(true);
    Label8.SetShrinkToFit(true);

    // Below the client area: never seen, but it holds the focus.
    Command1.SetName("Command1");
    Command1.SetCaption(FromUtf8(texts::kExit));
    Command1.Move(2070, 3600, 1215, 975);
    Command1.SetPicture(forms::Picture(QStringLiteral(":/pictures/exit")));

    Label7.SetName("Label7");
    Design(Label7, texts::kAboutGreeting, -3360, 3000, 3975, 255,
           forms::TextAlignment::RightJustify, kYellow);
    Label7.SetShrinkToFit(true); // the whole greeting goes by, on one line
    Label5.SetName("Label5");
    Design(Label5, texts::kAboutCredits, 360, 1080, 4455, 615, forms::TextAlignment::RightJustify,
           kDarkBlue);
    Label5.SetShrinkToFit(true); // both sentences whole, whatever the maker's name

    Line2.SetPoints(240, 2760, 5160, 2760);
    Line2.SetBorderColor(kSilver);
    Line2.SetBorderWidth(1);
    Line1.SetPoints(240, 2760, 5160, 2760);
    Line1.SetBorderWidth(2);

    Label1.SetName("Label1");
    Design(Label1, texts::kProductName, 1080, 120, 3135, 735, forms::TextAlignment::Center,
           kMagenta);
    Label1.SetFont(kTitleFont);

    Line2.ZOrder();
    Frame1.ZOrder();
    Command1.SetFocus();

    connect(&Timer1, &QTimer::timeout, this, &frmAbout::Timer1_Timer);
    connect(&Command1, &forms::CommandButton::Click, this, &frmAbout::Command1_Click);
    connect(this, &Form::Click, this, &frmAbout::Form_Click);
    connect(this, &Form::KeyPress, this, &frmAbout::Form_KeyPress);
    connect(&Frame1, &forms::Frame::Click, this, &frmAbout::Frame1_Click);
    connect(&Label1, &Label::Click, this, &frmAbout::Label1_Click);
    connect(&Label5, &Label::Click, this, &frmAbout::Label5_Click);
    connect(&Label7, &Label::Click, this, &frmAbout::Label7_Click);
    connect(&Label8, &Label::Click, this, &frmAbout::Label8_Click);
    connect(&Label9, &Label::Click, this, &frmAbout::Label9_Click);

    Form_Load();
}

void frmAbout::Form_Load() {
    forms::Centre(*this);
}

void frmAbout::Timer1_Timer() {
    const float W = OuterWidth();
    const float L = Label7.Left();
    if (L > W)
        Label7.SetLeft(kGreetingRestart);
    Label7.SetLeft(Label7.Left() + kGreetingStep);
}

void frmAbout::Command1_Click() {
    forms::End();
}
void frmAbout::Form_Click() {
    Command1_Click();
}
void frmAbout::Form_KeyPress(int /*KeyAscii*/) {
    Command1_Click();
}
void frmAbout::Frame1_Click() {
    Command1_Click();
}
void frmAbout::Label1_Click() {
    Command1_Click();
}
void frmAbout::Label5_Click() {
    Command1_Click();
}
void frmAbout::Label7_Click() {
    Command1_Click();
}
void frmAbout::Label8_Click() {
    Command1_Click();
}
void frmAbout::Label9_Click() {
    Command1_Click();
}
