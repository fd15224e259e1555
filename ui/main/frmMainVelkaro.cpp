// SPDX-License-Identifier: MIT
#include "frmMainVelkaro.h"

#include <QEvent>
#include <QIcon>
#include <algorithm>
#include <cmath>

#include "Texts.h"
#include "forms/Picture.h"
#include "forms/Twips.h"
#include "forms/Utf8.h"
#include "frmAbout.h"
#include "mdlArayValues.h"

using forms::FromUtf8;
using forms::Label;

namespace {

const forms::DesignFont kArabicBold{QStringLiteral("Traditional Arabic"), 15.75f, QFont::Bold};
const forms::DesignFont kStartFont{QStringLiteral("Traditional Arabic"), 48.0f, QFont::Bold};
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

// The face of a light desktop, for palettes whose own face leaves the texts
// unreadable, and the contrast each text needs against it: 4.5:1 for the
// blue texts, 3:1 for the red question (red reaches only 4:1 even on white).
const QColor kClassicFace(240, 240, 240);
constexpr double kBlueContrast = 4.5;
constexpr double kRedContrast = 3.0;

// WCAG's relative luminance of a colour on an sRGB screen.
double Luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The two places of the Wrong button in the button row.
constexpr float kWrongLeftOfCorrect = 709;
constexpr float kWrongRightOfCorrect = 4076;

std::string Joined(const std::array<std::string_view, 2>& parts) {
    return std::string(parts[0]) + std::string(parts[1]);
}

} // namespace

frmMainVelkaro::frmMainVelkaro()
    : Form(forms::BorderStyle::FixedSingle, 6000, 4545)
    , lblMain(this)
    , lblQu1(this)
    , lblNoList(this)
    , cmdYes(this)
    , cmdNo(this)
    , cmdStart(this)
    , cmdWrong(this) {
    SetCaption(FromUtf8(texts::kProductName));
    // From pixmaps: an icon made from a file name without suffix would load
    // the MIME database to find its format.
    QIcon icon(forms::Picture(QStringLiteral(":/pictures/icon32")));
    icon.addPixmap(forms::Picture(QStringLiteral(":/pictures/icon16")));
    SetIcon(icon);
    SetReadableBackColor();

    cmdYes.SetName("cmdYes");
    cmdYes.SetCaption(FromUtf8(texts::kYes));
    cmdYes.Move(2400, 3720, 1080, 735);
    cmdYes.SetPicture(forms::Picture(QStringLiteral(":/pictures/yes")));
    cmdYes.SetVisible(false);

    cmdNo.SetName("cmdNo");
    cmdNo.SetCaption(FromUtf8(texts::kNo));
    cmdNo.Move(709, 3720, 1080, 735);
    cmdNo.SetPicture(forms::Picture(QStringLiteral(":/pictures/no")));
    cmdNo.SetVisible(false);

    cmdStart.SetName("cmdStart");
    cmdStart.Move(2093, 1680, 1815, 2040);
    cmdStart.SetFont(kStartFont);
    // 90 x 120 pixels shown at 0.9375 x 1.25 inches.
    cmdStart.SetPicture(forms::Picture(QStringLiteral(":/pictures/start")), 1350, 1800);
    cmdStart.SetSpokenName(FromUtf8(texts::kStartName));

    lblMain.SetName("lblMain");
    lblMain.SetCaption(FromUtf8(texts::kInstruction));
    lblMain.Move(1133, 0, 3735, 855);
    lblMain.SetFont(kArabicBold);
    lblMain.SetForeColor(kBlue);
    lblMain.SetAlignment(forms::TextAlignment::RightJustify);
    lblMain.SetShrinkToFit(true); // two lines whole, whatever the font

    lblQu1.SetName("lblQu1");
    lblQu1.SetCaption(FromUtf8(texts::kCardQuestion));
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
    cmdWrong.SetCaption(FromUtf8(texts::kWrong));
    cmdWrong.Move(kWrongRightOfCorrect, 3720, 1095, 735);
    cmdWrong.SetPicture(forms::Picture(QStringLiteral(":/pictures/wrong32")));
    cmdWrong.SetVisible(false);

    // The buttons in the order of their tab indexes; labels take no focus.
    SetTabOrder({&cmdYes, &cmdNo, &cmdStart, &cmdWrong});

    connect(&cmdStart, &forms::CommandButton::Click, this, &frmMainVelkaro::cmdStart_Click);
    connect(&cmdYes, &forms::CommandButton::Click, this, &frmMainVelkaro::cmdYes_Click);
    connect(&cmdNo, &forms::CommandButton::Click, this, &frmMainVelkaro::cmdNo_Click);
    connect(&cmdWrong, &forms::CommandButton::MouseMove, this, &frmMainVelkaro::cmdWrong_MouseMove);
    connect(&cmdWrong, &forms::CommandButton::GotFocus, this, &frmMainVelkaro::cmdWrong_GotFocus);

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
    const QColor face = palette().color(QPalette::Button);
    const bool readable =
        Contrast(face, kBlue) >= kBlueContrast && Contrast(face, kRed) >= kRedContrast;
    SetBackColor(readable ? face : kClassicFace);
}

// A new palette, the desktop's or the program's, brings a new button face.
void frmMainVelkaro::changeEvent(QEvent* event) {
    Form::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        SetReadableBackColor();
}

void frmMainVelkaro::ResetGame() {
    engine::BlankCandidates(aryCandidates);
    intStep = 0;
    lblMain.SetVisible(true);
    lblQu1.SetVisible(false);
    lblQu1.SetCaption(FromUtf8(texts::kCardQuestionAfterReset));
    lblNoList.SetVisible(false);
    lblNoList.SetAlignment(forms::TextAlignment::RightJustify);
    lblNoList.SetFontSize(16);
    cmdStart.SetVisible(true);
    cmdYes.SetVisible(false);
    cmdYes.SetEnabled(false);
    cmdNo.SetVisible(false);
    cmdNo.SetEnabled(false);
    cmdWrong.SetVisible(false);
    SetCaption(FromUtf8(texts::kProductName));
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
    lblNoList.SetCaption(FromUtf8(strCard1));
    SetCaption(FromUtf8(texts::kPageTitles[0]));
    cmdYes.SetCaption(FromUtf8(texts::kYes));
    cmdNo.SetCaption(FromUtf8(texts::kNo));
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
        SetCaption(FromUtf8(texts::kPageTitles[static_cast<std::size_t>(k)]));
    engine::UpdateCandidates(aryCandidates, k, answer);
    switch (k) {
    case 1:
        lblNoList.SetCaption(FromUtf8(strCard2));
        break;
    case 2:
        lblNoList.SetCaption(FromUtf8(strCard3));
        break;
    case 3:
        lblNoList.SetCaption(FromUtf8(strCard4));
        break;
    case 4:
        lblNoList.SetCaption(FromUtf8(strCard5));
        break;
    case 5:
        lblNoList.SetCaption(FromUtf8(texts::kBlankMarker));
        lblQu1.SetCaption(FromUtf8(texts::kRange1Question));
        break;
    case 6:
        lblNoList.SetCaption(FromUtf8(texts::kBlankMarker));
        lblQu1.SetCaption(FromUtf8(texts::kRange2Question));
        break;
    default:
        ShowResult();
        break;
    }
}

void frmMainVelkaro::ShowResult() {
    // The number screen, with the first candidate left.
    lblNoList.SetAlignment(forms::TextAlignment::Center);
    lblNoList.SetFontSize(100);
    lblNoList.SetCaption(FromUtf8(aryCandidates[engine::FindResultSlot(aryCandidates)]));
    lblQu1.SetCaption(FromUtf8(texts::kYourNumberIs));
    cmdYes.SetCaption(FromUtf8(texts::kCorrect));
    cmdNo.SetVisible(false);
    cmdWrong.SetVisible(true);
    cmdWrong.SetLeft(kWrongLeftOfCorrect);

    // No number fitted the answers: the check-yourself screen over it.
    if (lblNoList.Caption().isEmpty()) {
        lblNoList.SetCaption(FromUtf8(texts::kCheckYourself));
        lblNoList.SetAlignment(forms::TextAlignment::Center);
        lblNoList.SetFontSize(50);
        lblQu1.SetVisible(false);
        cmdYes.SetCaption(FromUtf8(texts::kBack));
        cmdNo.SetVisible(false);
        cmdWrong.SetVisible(false);
    }
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
