// SPDX-License-Identifier: MIT
#include "frmMainVelkaro.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "Texts.h"
#include "forms/Spoken.h"
#include "frmAbout.h"
#include "mdlArayValues.h"

namespace {

const forms::DesignFont kArabicBold{"Traditional Arabic", 15.75f, forms::FontWeight::Bold};
const forms::DesignFont kStartFont{"Traditional Arabic", 48.0f, forms::FontWeight::Bold};
constexpr forms::Color kBlue{0, 0, 255};
constexpr forms::Color kRed{255, 0, 0};

// The face of a light desktop, for palettes whose own face leaves the texts
// unreadable, and the contrast each text needs against it: 4.5:1 for the
// blue texts, 3:1 for the red question (red reaches only 4:1 even on white).
constexpr forms::Color kClassicFace{240, 240, 240};
constexpr double kBlueContrast = 4.5;
constexpr double kRedContrast = 3.0;

// WCAG's relative luminance of a colour on an sRGB screen.
double Luminance(forms::Color colour) {
    const auto linear = [](std::uint8_t component) {
        const double c = component / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

double Contrast(forms::Color a, forms::Color b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The two places of the Wrong button in the button row.
constexpr float kWrongLeftOfCorrect = 709;
constexpr float kWrongRightOfCorrect = 4076;

std::string Joined(const std::array<std::string_view, 2>& parts) {
    return std::string(parts[0]) + std::string(parts[1]);
}

// The question that Yes and No answer, repeated whenever the focus arrives
// on one of them.
void Describe(forms::CommandButton& yes, forms::CommandButton& no, std::string_view question) {
    yes.SetDescription(question);
    no.SetDescription(question);
}

} // namespace

frmMainVelkaro::frmMainVelkaro()
    : Form(forms::BorderStyle::FixedSingle, 6000, 4545)
    , lblMain(*this)
    , lblQu1(*this)
    , lblNoList(*this)
    , cmdYes(*this)
    , cmdNo(*this)
    , cmdStart(*this)
    , cmdWrong(*this) {
    SetCaption(texts::kProductName);
    SetIcon("icon");
    SetReadableBackColor();

    cmdYes.SetName("cmdYes");
    cmdYes.SetCaption(texts::kYes);
    cmdYes.Move(2400, 3720, 1080, 735);
    cmdYes.SetPicture("yes");
    cmdYes.SetVisible(false);

    cmdNo.SetName("cmdNo");
    cmdNo.SetCaption(texts::kNo);
    cmdNo.Move(709, 3720, 1080, 735);
    cmdNo.SetPicture("no");
    cmdNo.SetVisible(false);

    cmdStart.SetName("cmdStart");
    cmdStart.Move(2093, 1680, 1815, 2040);
    cmdStart.SetFont(kStartFont);
    // 90 x 120 pixels shown at 0.9375 x 1.25 inches.
    cmdStart.SetPicture("start", 1350, 1800);
    cmdStart.SetSpokenName(texts::kStartName);
    cmdStart.SetDescription(texts::kInstruction);

    lblMain.SetName("lblMain");
    lblMain.SetCaption(texts::kInstruction);
    lblMain.Move(1133, 0, 3735, 855);
    lblMain.SetFont(kArabicBold);
    lblMain.SetForeColor(kBlue);
    lblMain.SetAlignment(forms::TextAlignment::RightJustify);
    lblMain.SetShrinkToFit(true); // two lines whole, whatever the font

    lblQu1.SetName("lblQu1");
    lblQu1.SetCaption(texts::kCardQuestion);
    lblQu1.Move(1388, 240, 3225, 480);
    lblQu1.SetFont(kArabicBold);
    lblQu1.SetForeColor(kRed);
    lblQu1.SetAlignment(forms::TextAlignment::RightJustify);
    // The range questions are longer than the label: one line, a little smaller.
    lblQu1.SetShrinkToFit(true);
    lblQu1.SetVisible(false);

    lblNoList.SetName("lblNoList");
    lblNoList.Move(360, 960, 5175, 2295);
    lblNoList.SetFont(kArabicBold);
    lblNoList.SetForeColor(kBlue);
    lblNoList.SetAlignment(forms::TextAlignment::RightJustify);
    lblNoList.SetShrinkToFit(true); // cards and results whole, whatever the font
    lblNoList.SetVisible(false);

    cmdWrong.SetName("cmdWrong");
    cmdWrong.SetCaption(texts::kWrong);
    cmdWrong.Move(kWrongRightOfCorrect, 3720, 1095, 735);
    cmdWrong.SetPicture("wrong32");
    cmdWrong.SetVisible(false);

    // The buttons in the order of their tab indexes; labels take no focus.
    SetTabOrder({&cmdYes, &cmdNo, &cmdStart, &cmdWrong});

    cmdStart.Click.Connect([this] { cmdStart_Click(); });
    cmdYes.Click.Connect([this] { cmdYes_Click(); });
    cmdNo.Click.Connect([this] { cmdNo_Click(); });
    cmdWrong.MouseMove.Connect([this](int Button, int Shift, float X, float Y) {
        cmdWrong_MouseMove(Button, Shift, X, Y);
    });
    cmdWrong.GotFocus.Connect([this] { cmdWrong_GotFocus(); });
    // A new palette, the desktop's or the program's, brings a new button face.
    SystemColorsChange.Connect([this] { SetReadableBackColor(); });

    Form_Load();
}

void frmMainVelkaro::Form_Load() {
    forms::Centre(*this);

    const auto& parts = texts::kCardTextParts;
    strCard1 = Joined(parts[0]);
    strCard2 = Joined(parts[1]);
    strCard3 = Joined(parts[2]);
    strCard4 = Joined(parts[3]);
    strCard5 = Joined(parts[4]);

    mdlArayValues::LoadArayValues();
}

void frmMainVelkaro::Form_Unload(int& /*Cancel*/) {
    // The About window takes over; this window closes with the game.
    frmAbout::Instance().Show();
}

void frmMainVelkaro::SetReadableBackColor() {
    const forms::Color face = ButtonFace();
    const bool readable =
        Contrast(face, kBlue) >= kBlueContrast && Contrast(face, kRed) >= kRedContrast;
    SetBackColor(readable ? face : kClassicFace);
}

void frmMainVelkaro::ResetGame() {
    engine::BlankCandidates(aryCandidates);
    intStep = 0;
    lblMain.SetVisible(true);
    lblQu1.SetVisible(false);
    lblQu1.SetCaption(texts::kCardQuestionAfterReset);
    lblNoList.SetVisible(false);
    lblNoList.SetAlignment(forms::TextAlignment::RightJustify);
    lblNoList.SetFontSize(16);
    cmdStart.SetVisible(true);
    cmdYes.SetVisible(false);
    cmdYes.SetEnabled(false);
    cmdNo.SetVisible(false);
    cmdNo.SetEnabled(false);
    cmdWrong.SetVisible(false);
    SetCaption(texts::kProductName);
}

void frmMainVelkaro::cmdStart_Click() {
    cmdStart.SetVisible(false);
    lblMain.SetVisible(false);
    cmdYes.SetVisible(true);
    cmdYes.SetEnabled(true);
    cmdNo.SetVisible(true);
    cmdNo.SetEnabled(true);
    lblQu1.SetVisible(true);
    lblNoList.SetVisible(true);
    lblNoList.SetCaption(strCard1);
    SetCaption(texts::kPageTitles[0]);
    cmdYes.SetCaption(texts::kYes);
    cmdNo.SetCaption(texts::kNo);
    // The focus goes on to Yes, which reads the question and the card: the
    // title is said before it.
    Describe(cmdYes, cmdNo, forms::Sentences({lblQu1.Caption(), lblNoList.Caption()}));
    Announce(texts::kPageTitles[0]);
}

void frmMainVelkaro::cmdYes_Click() {
    AnswerQuestion(engine::Answer::Yes);
}

void frmMainVelkaro::cmdNo_Click() {
    AnswerQuestion(engine::Answer::No);
}

void frmMainVelkaro::AnswerQuestion(engine::Answer answer) {
    const int k = ++intStep;
    if (k < 1 || k > engine::kQuestionCount) {
        ResetGame();
        return;
    }
    if (k < engine::kQuestionCount)
        SetCaption(texts::kPageTitles[static_cast<std::size_t>(k)]);
    engine::UpdateCandidates(aryCandidates, k, answer);
    switch (k) {
    case 1:
        lblNoList.SetCaption(strCard2);
        break;
    case 2:
        lblNoList.SetCaption(strCard3);
        break;
    case 3:
        lblNoList.SetCaption(strCard4);
        break;
    case 4:
        lblNoList.SetCaption(strCard5);
        break;
    case 5:
        lblNoList.SetCaption(texts::kBlankMarker);
        lblQu1.SetCaption(texts::kRange1Question);
        break;
    case 6:
        lblNoList.SetCaption(texts::kBlankMarker);
        lblQu1.SetCaption(texts::kRange2Question);
        break;
    default:
        ShowResult();
        break;
    }
    // The next page, where the focus stays on the button just pressed.
    if (k < engine::kQuestionCount) {
        const std::string question = forms::Sentences({lblQu1.Caption(), lblNoList.Caption()});
        Describe(cmdYes, cmdNo, question);
        Announce(forms::Sentences({texts::kPageTitles[static_cast<std::size_t>(k)], question}));
    }
}

void frmMainVelkaro::ShowResult() {
    // The number screen, with the first candidate left.
    lblNoList.SetAlignment(forms::TextAlignment::Center);
    lblNoList.SetFontSize(100);
    lblNoList.SetCaption(aryCandidates[engine::FindResultSlot(aryCandidates)]);
    lblQu1.SetCaption(texts::kYourNumberIs);
    cmdYes.SetCaption(texts::kCorrect);
    cmdNo.SetVisible(false);
    cmdWrong.SetVisible(true);
    cmdWrong.SetLeft(kWrongLeftOfCorrect);

    // No number fitted the answers: the check-yourself screen over it.
    if (lblNoList.Caption().empty()) {
        lblNoList.SetCaption(texts::kCheckYourself);
        lblNoList.SetAlignment(forms::TextAlignment::Center);
        lblNoList.SetFontSize(50);
        lblQu1.SetVisible(false);
        cmdYes.SetCaption(texts::kBack);
        cmdNo.SetVisible(false);
        cmdWrong.SetVisible(false);
    }
    // No question is left for the buttons to repeat.
    Describe(cmdYes, cmdNo, {});
    Announce(forms::Sentences(
        {lblQu1.Visible() ? std::string_view(lblQu1.Caption()) : std::string_view(),
         lblNoList.Caption()}));
}

void frmMainVelkaro::cmdWrong_MouseMove(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {
    if (cmdWrong.Left() == kWrongLeftOfCorrect) {
        cmdWrong.SetLeft(kWrongRightOfCorrect);
        return;
    }
    if (cmdWrong.Left() == kWrongRightOfCorrect)
        cmdWrong.SetLeft(kWrongLeftOfCorrect);
}

void frmMainVelkaro::cmdWrong_GotFocus() {
    cmdYes.SetFocus();
}
