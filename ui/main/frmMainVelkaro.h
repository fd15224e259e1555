// SPDX-License-Identifier: MIT
// The main window: the start screen, the seven question pages, the number
// and check-yourself screens, and the Wrong button that cannot be pressed.
#pragma once

#include <cstdint>
#include <string>

#include "QuestionSequence.h"
#include "TextSlots.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Label.h"

class frmMainVelkaro : public forms::Form {
public:
    frmMainVelkaro();

protected:
    void Form_Unload(int& Cancel) override;

private:
    void Form_Load();
    void ResetGame();
    void cmdStart_Click();
    void cmdYes_Click();
    void cmdNo_Click();
    void cmdWrong_MouseMove(int Button, int Shift, float X, float Y);
    void cmdWrong_GotFocus();

    // One answer: counts it, turns the page or shows the result.
    void AnswerQuestion(engine::Answer answer);
    void ShowResult();
    // The system's button face behind the texts, or the classic light face
    // where that leaves the blue and red texts hard to read.
    void SetReadableBackColor();

    // Created in the order they are stacked, labels beneath the buttons.
    forms::Label lblMain;
    forms::Label lblQu1;
    forms::Label lblNoList;
    forms::CommandButton cmdYes;
    forms::CommandButton cmdNo;
    forms::CommandButton cmdStart;
    forms::CommandButton cmdWrong;

    std::string strCard1, strCard2, strCard3, strCard4, strCard5;
    // The answers given in this game, and the numbers still possible.
    std::int16_t intStep = 0;
    engine::TextSlots aryCandidates;

    friend struct frmMainVelkaroTestAccess;
};
