// SPDX-License-Identifier: MIT
// The card lists and card lines against the rule they follow: card k holds
// the numbers whose bit k-1 is set, except 90, which stands on cards 1, 3, 4
// and 5; the ranges 32 to 63 and 64 to 90 follow bits 5 and 6.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include <set>
#include <string>
#include <vector>

#include "AnswerCodes.h"
#include "Texts.h"
#include "mdlArayValues.h"

using namespace mdlArayValues;
using answer_codes::OnCard;
using engine::kLastPlayedSlot;
using engine::TextSlots;

namespace {

std::vector<std::string> NumbersOf(const TextSlots& list) {
    std::vector<std::string> numbers;
    for (std::size_t i = 0; i <= kLastPlayedSlot && list[i] != " "; ++i)
        numbers.push_back(list[i]);
    return numbers;
}

// The lists, loaded as the main window loads them, before the first test
// reads them (not while the program starts: their own module may not have
// been made yet then).
void Load() {
    static const bool loaded = (LoadArayValues(), true);
    (void)loaded;
}

} // namespace

TEST_CASE("each list follows the rule") {
    Load();
    struct Row {
        const char* name;
        const TextSlots* list;
        int card;
        bool onCard;
        int count;
    };
    const Row rows[] = {
        {"aryCard1Yes", &aryCard1Yes, 1, true, 46}, {"aryCard1No", &aryCard1No, 1, false, 45},
        {"aryCard2", &aryCard2, 2, true, 44},       {"aryCard3", &aryCard3, 3, true, 45},
        {"aryCard4", &aryCard4, 4, true, 43},       {"aryCard5", &aryCard5, 5, true, 43},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        std::vector<std::string> expected;
        for (int n = 0; n <= 90; ++n)
            if (OnCard(n, row.card) == row.onCard)
                expected.push_back(std::to_string(n));
        CHECK(int(expected.size()) == row.count);

        // Numbers ascending from index 0, the blank marker behind them up to
        // 45, and index 46 never written.
        for (int i = 0; i <= 46; ++i) {
            const std::string& entry = (*row.list)[std::size_t(i)];
            if (i < row.count)
                CHECK(entry == expected[std::size_t(i)]);
            else if (i <= 45)
                CHECK(entry == std::string(" "));
            else
                CHECK(entry.empty());
        }
    }
}

TEST_CASE("the two lists of card 1 hold every number once") {
    Load();
    std::multiset<std::string> all;
    for (const TextSlots* list : {&aryCard1Yes, &aryCard1No})
        for (const std::string& n : NumbersOf(*list))
            all.insert(n);
    CHECK(int(all.size()) == 91);
    for (int n = 0; n <= 90; ++n)
        CHECK(int(all.count(std::to_string(n))) == 1);
    CHECK(aryCard1Yes[45] == std::string("90"));
}

TEST_CASE("each card line is its list joined") {
    Load();
    const std::pair<int, const TextSlots*> rows[] = {
        {1, &aryCard1Yes}, {2, &aryCard2}, {3, &aryCard3}, {4, &aryCard4}, {5, &aryCard5}};
    for (const auto& [card, list] : rows) {
        INFO("strCard", card);
        const auto& parts = texts::kCardTextParts[std::size_t(card - 1)];
        // The first part ends in the one space that joins the two.
        CHECK(parts[0].ends_with(' '));
        CHECK((!parts[1].starts_with(' ') && !parts[1].ends_with(' ')));
        const std::string line = std::string(parts[0]) + std::string(parts[1]);

        std::string joined;
        for (const std::string& n : NumbersOf(*list))
            joined += (joined.empty() ? "" : " ") + n;
        CHECK(line == joined);
    }
}

TEST_CASE("the answer codes tell every number apart") {
    Load();
    std::set<int> codes;
    for (int n = 0; n <= 90; ++n) {
        const int code = answer_codes::CodeOf(n);
        CHECK(code == (n == 90 ? 93 : n));
        codes.insert(code);
    }
    CHECK(int(codes.size()) == 91);
}

TEST_CASE("loading again writes the same values") {
    Load();
    const TextSlots before = aryCard3;
    // The lists are read-only outside their module; the test spoils one
    // entry through the view to see loading write it again.
    const_cast<TextSlots&>(aryCard3)[0] = "spoiled";
    LoadArayValues();
    CHECK(aryCard3 == before);
}
