// SPDX-License-Identifier: MIT
// The windows as designed: the tests' one copy of the windows' sizes and the
// controls' boxes in twips, of the Wrong button's two places and of the texts
// a player reads, for the tests of every platform (plain C++, UTF-8 texts).
#pragma once

#include <string>
#include <string_view>

namespace design {

// A box in twips.
struct Rect {
    float left, top, width, height;
};

struct Box {
    const char* name;
    Rect twips;
};

// The windows' client areas.
inline constexpr Rect kMainClient = {0, 0, 6000, 4545};
inline constexpr Rect kAboutClient = {0, 0, 5355, 3345};

inline constexpr Box kMainWindow[] = {
    {"cmdYes", {2400, 3720, 1080, 735}},    {"cmdNo", {709, 3720, 1080, 735}},
    {"cmdStart", {2093, 1680, 1815, 2040}}, {"lblMain", {1133, 0, 3735, 855}},
    {"lblQu1", {1388, 240, 3225, 480}},     {"lblNoList", {360, 960, 5175, 2295}},
    {"cmdWrong", {4076, 3720, 1095, 735}},
};

// Label9 and Label8 inside Frame1, the others in the window.
inline constexpr Box kAboutWindow[] = {
    {"Frame1", {600, 1560, 4095, 975}}, {"Label9", {720, 240, 2895, 255}},
    {"Label8", {1320, 600, 1575, 255}}, {"Command1", {2070, 3600, 1215, 975}},
    {"Label5", {360, 1080, 4455, 615}}, {"Label1", {1080, 120, 3135, 735}},
};

// The Wrong button's places in the button row: left of the Correct button,
// where the number screen shows it, and right of it, as designed.
inline constexpr float kWrongLeft = 709;
inline constexpr float kWrongRight = 4076;

constexpr Rect WrongButtonAt(float left) {
    return {left, 3720, 1095, 735};
}

// The texts, as the player reads them (UTF-8).
inline constexpr std::string_view kMainCaption = "Velkaro";
inline constexpr std::string_view kStart = "ابدأ"; // the Start button's spoken name
inline constexpr std::string_view kInstruction =
    "هل تريدني أن أعرف ما يدور في ذهنك ؟ فكر في رقم من 0 إلى 90 ثم اضغط الزر";
inline constexpr std::string_view kCardQuestion = "هل رقمك موجود ضمن هذه الأرقام؟";
// After a game, with a space before the question mark.
inline constexpr std::string_view kCardQuestionAfterReset = "هل رقمك موجود ضمن هذه الأرقام ؟";
inline constexpr std::string_view kRange1Question = "هل رقمك يقع ضمن الأرقام من 32 إلى 63";
inline constexpr std::string_view kRange2Question = "هل رقمك يقع ضمن الأرقام من 64 إلى 90";
inline constexpr std::string_view kYourNumberIs = "رقمك هــو";
inline constexpr std::string_view kCheckYourself = "راجع نفسك!";
inline constexpr std::string_view kYes = "نعم";
inline constexpr std::string_view kNo = "لا";
inline constexpr std::string_view kCorrect = "صح";
inline constexpr std::string_view kBack = "عودة";
inline constexpr std::string_view kWrong = "خطـأ";
// The blank marker: an eliminated candidate, the list on the range pages.
inline constexpr std::string_view kBlank = " ";

// The title of page 1 to 7.
inline std::string PageTitle(int page) {
    return "صفحة " + std::to_string(page) + " من 7";
}

// The card of page 1 to 5.
inline std::string CardLine(int page) {
    static const char* const lines[] = {
        "1 3 5 7 9 11 13 15 17 19 21 23 25 27 29 31 33 35 37 39 41 43 45 47 49 51 53 55 57 59 61 "
        "63 65 67 69 71 73 75 77 79 81 83 85 87 89 90",
        "2 3 6 7 10 11 14 15 18 19 22 23 26 27 30 31 34 35 38 39 42 43 46 47 50 51 54 55 58 59 "
        "62 63 66 67 70 71 74 75 78 79 82 83 86 87",
        "4 5 6 7 12 13 14 15 20 21 22 23 28 29 30 31 36 37 38 39 44 45 46 47 52 53 54 55 60 61 "
        "62 63 68 69 70 71 76 77 78 79 84 85 86 87 90",
        "8 9 10 11 12 13 14 15 24 25 26 27 28 29 30 31 40 41 42 43 44 45 46 47 56 57 58 59 60 61 "
        "62 63 72 73 74 75 76 77 78 79 88 89 90",
        "16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 48 49 50 51 52 53 54 55 56 57 58 59 60 "
        "61 62 63 80 81 82 83 84 85 86 87 88 89 90"};
    return lines[page - 1];
}

} // namespace design
