// SPDX-License-Identifier: MIT
// Every text the program shows, in one place, as UTF-8.
#pragma once

#include <array>
#include <string_view>

#include "Identity.h"

namespace texts {

// The blank marker: an eliminated candidate, the tail of a card list, the
// list label on the two range pages.
inline constexpr std::string_view kBlankMarker = " ";

// The window title and the About window's title, as designed; the project's name in CMake, which
// names the program everywhere else, is the same text.
inline constexpr std::string_view kProductName = "Velkaro";
static_assert(kProductName == VELKARO_NAME);

// The card lines, each joined from two fixed parts when the main window loads.
inline constexpr std::array<std::array<std::string_view, 2>, 5> kCardTextParts{{
    {"1 3 5 7 9 11 13 15 17 19 21 23 25 27 29 31 33 35 37 39 41 43 45 ",
     "47 49 51 53 55 57 59 61 63 65 67 69 71 73 75 77 79 81 83 85 87 89 90"},
    {"2 3 6 7 10 11 14 15 18 19 22 23 26 27 30 31 34 35 38 39 42 43 ",
     "46 47 50 51 54 55 58 59 62 63 66 67 70 71 74 75 78 79 82 83 86 87"},
    {"4 5 6 7 12 13 14 15 20 21 22 23 28 29 30 31 36 37 38 39 44 45 ",
     "46 47 52 53 54 55 60 61 62 63 68 69 70 71 76 77 78 79 84 85 86 87 90"},
    {"8 9 10 11 12 13 14 15 24 25 26 27 28 29 30 31 40 41 42 43 44 45 46 47 ",
     "56 57 58 59 60 61 62 63 72 73 74 75 76 77 78 79 88 89 90"},
    {"16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 48 49 50 51 ",
     "52 53 54 55 56 57 58 59 60 61 62 63 80 81 82 83 84 85 86 87 88 89 90"},
}};

// ---- The main window ----------------------------------------------------

// Window titles of pages 1 to 7.
inline constexpr std::array<std::string_view, 7> kPageTitles{
    "صفحة 1 من 7", "صفحة 2 من 7", "صفحة 3 من 7", "صفحة 4 من 7",
    "صفحة 5 من 7", "صفحة 6 من 7", "صفحة 7 من 7"};

inline constexpr std::string_view kInstruction =
    "هل تريدني أن أعرف ما يدور في ذهنك ؟ فكر في رقم من 0 إلى 90 ثم اضغط الزر";
// The card question as designed, and as the reset writes it (with a space before "؟").
inline constexpr std::string_view kCardQuestion = "هل رقمك موجود ضمن هذه الأرقام؟";
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
// Spoken name of the Start button, which shows no caption.
inline constexpr std::string_view kStartName = "ابدأ";

// ---- The About window ---------------------------------------------------

inline constexpr std::string_view kAboutCredits =
    "تمت برمجة Velkaro من قبل " VELKARO_AUTHOR_NAME " ."
    "                           " // 27 spaces
    "إذا أعجبك هذا البرنامج أرجو إرسال اسمك بالبريد الإلكتروني .";
inline constexpr std::string_view kAboutEmail = "E. Mail : " VELKARO_AUTHOR_EMAIL;
inline constexpr std::string_view kAboutMobile = "جوال / " VELKARO_AUTHOR_MOBILE;
inline constexpr std::string_view kAboutGreeting =
    VELKARO_AUTHOR_NAME " يحييكم ويتمنى لكم وقتاً ممتعاً مع هذا البرنامج";
inline constexpr std::string_view kExit = "خروج";

} // namespace texts
