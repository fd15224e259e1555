// SPDX-License-Identifier: MIT
#include "QuestionSequence.h"

#include <algorithm>
#include <cassert>

#include "Texts.h"
#include "mdlArayValues.h"

namespace engine {

double TextValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    double value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

bool IsOnList(const std::string& text, const TextSlots& list) {
    return std::find(list.begin(), list.begin() + kLastPlayedSlot + 1, text) !=
           list.begin() + kLastPlayedSlot + 1;
}

namespace {

template <typename Eliminated> void BlankWhere(TextSlots& slots, Eliminated eliminated) {
    for (std::size_t i = 0; i <= kLastPlayedSlot; ++i)
        if (eliminated(slots[i]))
            slots[i] = kBlankSlot;
}

void CopyFirstCard(TextSlots& slots, const TextSlots& list, std::size_t last) {
    std::copy(list.begin(), list.begin() + last + 1, slots.begin());
}

// A card question: Yes keeps what is on the card, No what is not.
void NarrowByCard(TextSlots& slots, const TextSlots& card, Answer answer) {
    BlankWhere(slots,
               [&](const std::string& s) { return IsOnList(s, card) != (answer == Answer::Yes); });
}

// A range question, tested on the value of each slot (low < v < high).
void NarrowByRange(TextSlots& slots, double low, double high, Answer answer) {
    BlankWhere(slots, [&](const std::string& s) {
        const double v = TextValue(s);
        const bool inRange = v > low && v < high;
        return inRange != (answer == Answer::Yes);
    });
}

} // namespace

void UpdateCandidates(TextSlots& aryCandidates, int k, Answer answer) {
    using namespace mdlArayValues;
    switch (k) {
    case 1:
        // A No copies the 45 numbers not on card 1: slot 45 keeps its content.
        if (answer == Answer::Yes)
            CopyFirstCard(aryCandidates, aryCard1Yes, 45);
        else
            CopyFirstCard(aryCandidates, aryCard1No, 44);
        break;
    case 2:
        NarrowByCard(aryCandidates, aryCard2, answer);
        break;
    case 3:
        NarrowByCard(aryCandidates, aryCard3, answer);
        break;
    case 4:
        NarrowByCard(aryCandidates, aryCard4, answer);
        break;
    case 5:
        NarrowByCard(aryCandidates, aryCard5, answer);
        break;
    case 6:
        NarrowByRange(aryCandidates, 31, 64, answer);
        break;
    case 7:
        NarrowByRange(aryCandidates, 63, 91, answer);
        break;
    default:
        assert(false && "questions are numbered 1 to 7");
    }
}

std::size_t FindResultSlot(const TextSlots& aryCandidates) {
    const auto found = std::find_if(aryCandidates.begin(), aryCandidates.end(),
                                    [](const std::string& s) { return s != texts::kBlankMarker; });
    // Slot 46 is never written, so the scan always ends on a slot.
    assert(found != aryCandidates.end());
    return static_cast<std::size_t>(found - aryCandidates.begin());
}

void BlankCandidates(TextSlots& aryCandidates) {
    std::fill(aryCandidates.begin(), aryCandidates.begin() + kLastPlayedSlot + 1, kBlankSlot);
}

} // namespace engine
