// SPDX-License-Identifier: MIT
#include "frmAbout.h"

#include "Texts.h"
#include "forms/Application.h"

using forms::Label;

namespace {

constexpr forms::Color kTeal{0, 192, 192};
constexpr forms::Color kCyan{0, 255, 255};
constexpr forms::Color kPurple{128, 0, 128};
constexpr forms::Color kYellow{255, 255, 0};
constexpr forms::Color kDarkBlue{0, 0, 192};
constexpr forms::Color kSilver{192, 192, 192};
constexpr forms::Color kMagenta{192, 0, 192};

const forms::DesignFont kTitleFont{"Mudir MT", 20.25f, forms::FontWeight::DemiBold};

// The About window while it exists.
frmAbout* gAbout = nullptr;

// Where the greeting starts again once it has left on the right, and how far
// it moves at each tick.
constexpr float kGreetingRestart = -3600;
constexpr float kGreetingStep = 50;

void Design(Label& label, std::string_view caption, float left, float top, float width,
            float height, forms::TextAlignment alignment, forms::Color color) {
    label.SetCaption(caption);
    label.Move(left, top, width, height);
    label.SetAlignment(alignment);
    label.SetForeColor(color);
}

} // namespace

frmAbout& frmAbout::Instance() {
    if (!gAbout)
        gAbout = new frmAbout;
    return *gAbout;
}

frmAbout::~frmAbout() {
    gAbout = nullptr;
}

frmAbout::frmAbout()
    : Form(forms::BorderStyle::FixedDialogNoTitle, 5355, 3345)
    , Timer1(*this, 10, true)
    , Frame1(*this)
    , Label9(Frame1)
    , Label8(Frame1)
    , Command1(*this)
    , Label7(*this)
    , Label5(*this)
    , Line2(*this)
    , Line1(*this)
    , Label1(*this) {
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
    Command1.SetCaption(texts::kExit);
    Command1.Move(2070, 3600, 1215, 975);
    Command1.SetPicture("exit");

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

    Timer1.Tick.Connect([this] { Timer1_Timer(); });
    Command1.Click.Connect([this] { Command1_Click(); });
    Click.Connect([this] { Form_Click(); });
    KeyPress.Connect([this](int KeyAscii) { Form_KeyPress(KeyAscii); });
    Frame1.Click.Connect([this] { Frame1_Click(); });
    Label1.Click.Connect([this] { Label1_Click(); });
    Label5.Click.Connect([this] { Label5_Click(); });
    Label7.Click.Connect([this] { Label7_Click(); });
    Label8.Click.Connect([this] { Label8_Click(); });
    Label9.Click.Connect([this] { Label9_Click(); });

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
