// SPDX-License-Identifier: MIT
// The candidate narrowing behind the seven questions.
//
// The main window owns the state (intStep and aryCandidates) and runs the
// answer operation; these are the steps it is built from.
#pragma once

#include <cstdint>
#include <string_view>

#include "TextSlots.h"

namespace engine {

enum class Answer { No, Yes };

// Answers per game: five cards, then the ranges 32 to 63 and 64 to 90.
inline constexpr std::int16_t kQuestionCount = 7;

// The whole number at the start of a text after any leading spaces; a text
// without leading digits (the blank marker, the empty text) is 0.
double TextValue(std::string_view text);

// Whether the text equals one of the list's entries 0 to 45.
bool IsOnList(const std::string& text, const TextSlots& list);

// Narrows slots 0 to 45 with the answer to question k (1 to 7).
void UpdateCandidates(TextSlots& aryCandidates, int k, Answer answer);

// The first of slots 0 to 46 that is not the blank marker; an empty slot
// counts as found, so slot 46 (never written) ends the scan.
std::size_t FindResultSlot(const TextSlots& aryCandidates);

// Slots 0 to 45 become the blank marker; slot 46 is left alone.
void BlankCandidates(TextSlots& aryCandidates);

} // namespace engine
