// SPDX-License-Identifier: MIT
// The narrowing of the candidates by the seven answers, without a window.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include <array>
#include <string>
#include <vector>

#include "AnswerCodes.h"
#include "QuestionSequence.h"
#include "mdlArayValues.h"

using namespace engine;
using answer_codes::NumberNamed;

namespace {

using Answers = std::array<Answer, 7>;

Answers FromCode(int code) {
    Answers answers{};
    for (int question = 1; question <= 7; ++question)
        answers[std::size_t(question - 1)] =
            answer_codes::SaysYes(code, question) ? Answer::Yes : Answer::No;
    return answers;
}

std::string Play(TextSlots& candidates, const Answers& answers) {
    for (int k = 1; k <= 7; ++k)
        UpdateCandidates(candidates, k, answers[std::size_t(k - 1)]);
    return candidates[FindResultSlot(candidates)];
}

std::vector<std::string> NumbersLeft(const TextSlots& candidates) {
    std::vector<std::string> left;
    for (std::size_t i = 0; i <= kLastPlayedSlot; ++i)
        if (candidates[i] != " " && !candidates[i].empty())
            left.push_back(candidates[i]);
    return left;
}

TextSlots LaterGame() {
    TextSlots candidates;
    BlankCandidates(candidates);
    return candidates;
}

// The lists, loaded as the main window loads them, before the first test
// reads them (not while the program starts: their own module may not have
// been made yet then).
void Load() {
    static const bool loaded = (mdlArayValues::LoadArayValues(), true);
    (void)loaded;
}

} // namespace

TEST_CASE("the value of a text") {
    Load();
    const std::pair<const char*, double> rows[] = {
        {" ", 0.0},     // blank marker
        {"", 0.0},      // empty
        {"0", 0.0},     // zero
        {"37", 37.0},   // number
        {"90", 90.0},   // largest
        {"  64", 64.0}, // leading spaces
        {"31x", 31.0},  // digits then text
        {"x31", 0.0},   // no digits
    };
    for (const auto& [text, value] : rows) {
        INFO('"', text, '"');
        CHECK(TextValue(text) == value);
    }
}

TEST_CASE("every answer combination") {
    Load();
    for (const bool laterGame : {false, true}) {
        INFO((laterGame ? "later game" : "first game"));
        int checkYourself = 0;
        for (int code = 0; code < answer_codes::kCombinations; ++code) {
            TextSlots candidates = laterGame ? LaterGame() : TextSlots{};
            const std::string shown = Play(candidates, FromCode(code));
            INFO("code ", code);
            CHECK(shown == NumberNamed(code));
            CHECK(candidates[46].empty());
            checkYourself += shown.empty();
        }
        CHECK(checkYourself == 37);
    }
}

TEST_CASE("truthful answers name the number") {
    Load();
    for (int n = 0; n <= 90; ++n) {
        const int code = answer_codes::CodeOf(n);
        TextSlots candidates;
        CHECK(Play(candidates, FromCode(code)) == std::to_string(n));
    }
}

TEST_CASE("named combinations") {
    Load();
    const std::pair<int, const char*> rows[] = {
        // Yes, No, Yes, Yes, Yes, No, Yes: 90.
        {1 + 4 + 8 + 16 + 64, "90"},
        // 90's own bits (No, Yes, No, Yes, Yes, No, Yes) fit no number.
        {90, ""},
        {0, "0"},  // seven No
        {127, ""}, // seven Yes
    };
    for (const auto& [code, shown] : rows) {
        INFO("code ", code);
        for (TextSlots candidates : {TextSlots{}, LaterGame()})
            CHECK(Play(candidates, FromCode(code)) == std::string(shown));
    }
}

// Thinking of 37: Yes, No, Yes, No, No, Yes, No. The numbers never leave
// the slots that the first answer gave them.
TEST_CASE("worked example: 37") {
    Load();
    const Answers answers = FromCode(37);
    const std::vector<std::vector<std::string>> left = {
        {}, // after answer 1: all of card 1, checked below
        {},
        {"5", "13", "21", "29", "37", "45", "53", "61", "69", "77", "85", "90"},
        {"5", "21", "37", "53", "69", "85"},
        {"5", "37", "69"},
        {"37"},
        {"37"},
    };
    const std::vector<std::size_t> counts = {46, 24, 12, 6, 3, 1, 1};
    TextSlots candidates;
    for (int k = 1; k <= 7; ++k) {
        INFO("after answer ", k);
        UpdateCandidates(candidates, k, answers[std::size_t(k - 1)]);
        const std::vector<std::string> numbers = NumbersLeft(candidates);
        CHECK(numbers.size() == counts[std::size_t(k - 1)]);
        if (!left[std::size_t(k - 1)].empty())
            CHECK(numbers == left[std::size_t(k - 1)]);
        for (std::size_t i = 0; i <= kLastPlayedSlot; ++i)
            if (candidates[i] != " ")
                CHECK(candidates[i] == mdlArayValues::aryCard1Yes[i]);
    }
    CHECK(FindResultSlot(candidates) == std::size_t(18));
}

// A first No copies 45 numbers: slot 45 keeps what it had, empty in the
// first game and the blank marker later. The empty slot turns into the
// blank marker at the next Yes and is found only after seven No answers,
// when "0" in slot 0 comes first: the result is the same.
TEST_CASE("slot 45 after a first No") {
    Load();
    TextSlots first;
    TextSlots later = LaterGame();
    UpdateCandidates(first, 1, Answer::No);
    UpdateCandidates(later, 1, Answer::No);
    CHECK(first[45].empty());
    CHECK(later[45] == std::string(" "));
    UpdateCandidates(first, 2, Answer::Yes);
    CHECK(first[45] == std::string(" "));

    TextSlots allNo;
    CHECK(Play(allNo, FromCode(0)) == std::string("0"));
    CHECK(allNo[45].empty());
}

TEST_CASE("the result scan") {
    Load();
    struct Row {
        const char* name;
        int filled;  // slot holding "7", or -1
        int emptied; // slot left empty, or -1
        int found;
    };
    const Row rows[] = {
        {"all blank: slot 46", -1, -1, 46},
        {"a number", 12, -1, 12},
        {"an empty slot counts", -1, 45, 45},
        {"first of the two", 30, 20, 20},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        TextSlots candidates = LaterGame();
        if (row.filled >= 0)
            candidates[std::size_t(row.filled)] = mdlArayValues::aryCard1Yes[3]; // "7"
        if (row.emptied >= 0)
            candidates[std::size_t(row.emptied)].clear();
        CHECK(FindResultSlot(candidates) == std::size_t(row.found));
    }
}

TEST_CASE("blanking leaves slot 46 alone") {
    Load();
    TextSlots candidates;
    BlankCandidates(candidates);
    for (std::size_t i = 0; i <= kLastPlayedSlot; ++i)
        CHECK(candidates[i] == std::string(" "));
    CHECK(candidates[46].empty());
}
