// SPDX-License-Identifier: MIT
// The forms layer's rules that are the same on every platform, tested once
// with stand-ins for what a platform measures: how a caption is narrowed and
// shrunk until it fits, where a button's picture stands, the tab chain, the
// centring rule, and twips per pixel at a resolution.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "forms/Drawing.h"
#include "forms/Fit.h"
#include "forms/Focus.h"
#include "forms/Form.h"
#include "forms/Twips.h"

namespace {

// A stand-in measurer: the caption fits from that narrowing on.
struct FitsFrom {
    int stretch;
    int smaller;
};

} // namespace

TEST_CASE("a caption is made narrower a percent at a time, then smaller") {
    struct Row {
        const char* what;
        bool shrink;
        FitsFrom fitsFrom;
        forms::Narrowing expected;
    };
    const Row rows[] = {
        {"fits as it is", true, {100, 0}, {100, 0}},
        {"a little too wide", true, {97, 0}, {97, 0}},
        {"narrowest before smaller", true, {85, 0}, {85, 0}},
        {"then 5 % smaller", true, {85, 2}, {85, 2}},
        {"never fits: sixty tries", true, {0, 1000}, {85, 45}},
        {"a label that does not shrink", false, {90, 0}, {100, 0}},
    };
    for (const Row& row : rows) {
        INFO(row.what);
        std::vector<forms::Narrowing> tried;
        const forms::Narrowing drawn =
            forms::FitCaption(row.shrink, [&](const forms::Narrowing& narrowing) {
                tried.push_back(narrowing);
                return narrowing.stretch <= row.fitsFrom.stretch &&
                       narrowing.smaller >= row.fitsFrom.smaller;
            });
        CHECK(drawn == row.expected);
        // The caption is left laid out as it is drawn.
        REQUIRE(!tried.empty());
        CHECK(tried.back() == drawn);
    }
    CHECK(forms::Narrowing{85, 2}.SizeFactor() == doctest::Approx(0.9025));
}

TEST_CASE("a label keeps the lines its own font has room for") {
    CHECK(forms::LineBudget(2295, 480) == 4);
    CHECK(forms::LineBudget(855, 428) == 1);
    CHECK(forms::LineBudget(100, 480) == 1);
    CHECK(forms::LineBudget(100, 0) == 1);
}

TEST_CASE("a button's picture stands centred above its caption, smaller only where it must") {
    struct Row {
        const char* what;
        int buttonWidth, roomBottom, pictureWidth, pictureHeight;
        forms::PixelRect expected;
    };
    const Row rows[] = {
        // Yes at 96 dpi: 72 x 49 pixels, the caption's letters from row 33.
        {"room enough", 72, 33, 24, 24, {24, 4, 24, 24}},
        {"no caption", 73, 49, 32, 32, {20, 8, 32, 32}},
        {"too tall: in proportion", 72, 20, 32, 64, {31, 1, 9, 18}},
        {"no room at all", 72, 1, 32, 32, {35, 0, 1, 1}},
    };
    for (const Row& row : rows) {
        INFO(row.what);
        CHECK(forms::PictureBox(row.buttonWidth, row.roomBottom, row.pictureWidth,
                                row.pictureHeight) == row.expected);
    }
}

TEST_CASE("Tab goes round the chain to the next control that can take the focus") {
    // Stand-ins for controls: whether each can take the focus.
    std::vector<int> can{1, 0, 1, 1};
    std::vector<int*> chain;
    for (int& c : can)
        chain.push_back(&c);
    const auto canTakeFocus = [](const int& control) { return control != 0; };
    struct Row {
        const char* what;
        int from; // -1: from outside the chain
        bool forward;
        int expected; // -1: none
    };
    const Row rows[] = {
        {"next, skipping one that cannot", 0, true, 2},
        {"round to the first", 3, true, 0},
        {"back, skipping", 2, false, 0},
        {"back round to the last", 0, false, 3},
        {"from outside: the first", -1, true, 0},
        {"from outside, back: the last", -1, false, 3},
        {"from one that cannot", 1, true, 2},
    };
    for (const Row& row : rows) {
        INFO(row.what);
        const int* from = row.from < 0 ? nullptr : chain[std::size_t(row.from)];
        const int* next = forms::NextInChain(chain, from, row.forward, canTakeFocus);
        CHECK(next == (row.expected < 0 ? nullptr : chain[std::size_t(row.expected)]));
    }
    can = {0, 0, 0, 0};
    CHECK(forms::NextInChain(chain, chain[0], true, canTakeFocus) == nullptr);
    CHECK(forms::NextInChain(std::vector<int*>{}, nullptr, true, canTakeFocus) == nullptr);
}

TEST_CASE("a window is centred on its outer box, unrounded, even off the screen") {
    CHECK(forms::Centred(12000, 6030) == 2985.0f);
    CHECK(forms::Centred(12000, 6045) == 2977.5f);
    CHECK(forms::Centred(3000, 6030) == -1515.0f);
}

TEST_CASE("twips per pixel at a resolution, 96 dpi's where it is unusable") {
    CHECK(forms::TwipsPerPixelAt(96) == 15.0f);
    CHECK(forms::TwipsPerPixelAt(144) == 10.0f);
    CHECK(forms::TwipsPerPixelAt(192) == 7.5f);
    for (const double broken : {0.0, -96.0, std::numeric_limits<double>::quiet_NaN(),
                                std::numeric_limits<double>::infinity()})
        CHECK(forms::TwipsPerPixelAt(broken) == 15.0f);
}
