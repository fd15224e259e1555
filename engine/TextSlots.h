// SPDX-License-Identifier: MIT
// The text slot arrays shared by the card lists and the candidates.
#pragma once

#include <array>
#include <string>

#include "Texts.h"

namespace engine {

// 47 text slots, indexes 0 to 46. Slots 0 to 45 carry the game; slot 46 is
// never written, stays empty and ends the result scan.
inline constexpr std::size_t kSlotCount = 47;
inline constexpr std::size_t kLastPlayedSlot = 45;
using TextSlots = std::array<std::string, kSlotCount>;

// The blank marker as a slot holds it. Slots are assigned from this string
// rather than from the text's view, which GCC 12 at -O3 takes for an
// overlapping copy and warns about.
inline const std::string kBlankSlot(texts::kBlankMarker);

} // namespace engine
