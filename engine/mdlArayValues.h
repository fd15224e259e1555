// SPDX-License-Identifier: MIT
// The card lists: what the candidates are compared against.
#pragma once

#include "TextSlots.h"

namespace mdlArayValues {

// Program-wide, filled once by LoadArayValues while the main window loads and
// read-only for everyone else. Numbers from index 0 upwards, then the blank
// marker up to index 45; index 46 is never written.
extern const engine::TextSlots& aryCard1Yes; // numbers on card 1
extern const engine::TextSlots& aryCard1No;  // numbers not on card 1
extern const engine::TextSlots& aryCard2;
extern const engine::TextSlots& aryCard3;
extern const engine::TextSlots& aryCard4;
extern const engine::TextSlots& aryCard5;

void LoadArayValues();

} // namespace mdlArayValues
