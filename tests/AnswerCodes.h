// SPDX-License-Identifier: MIT
// The rule the cards follow, as the tests check the game against it: card k
// holds the numbers whose bit k-1 is set, except 90, which stands on cards 1,
// 3, 4 and 5; the ranges 32 to 63 and 64 to 90 follow bits 5 and 6. Bit i of
// an answer code is the answer to question i + 1 (set for Yes).
#pragma once

#include <string>

namespace answer_codes {

inline constexpr int kCombinations = 128;

inline bool OnCard(int n, int card) {
    if (n == 90)
        return card != 2;
    return (n >> (card - 1)) & 1;
}

// What truthful answers add up to for the number n.
inline int CodeOf(int n) {
    int code = 0;
    for (int card = 1; card <= 5; ++card)
        if (OnCard(n, card))
            code += 1 << (card - 1);
    if (n >= 32 && n <= 63)
        code += 32;
    if (n >= 64 && n <= 90)
        code += 64;
    return code;
}

// Whether the answer to question (1 to 7) is Yes.
inline bool SaysYes(int code, int question) {
    return (code >> (question - 1)) & 1;
}

// The number the answers name, or the empty text when they fit none (the
// check-yourself screen).
inline std::string NumberNamed(int code) {
    for (int n = 0; n <= 90; ++n)
        if (CodeOf(n) == code)
            return std::to_string(n);
    return {};
}

} // namespace answer_codes
