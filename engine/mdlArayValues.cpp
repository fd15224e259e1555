// SPDX-License-Identifier: MIT
#include "mdlArayValues.h"

#include <cassert>
#include <initializer_list>

#include "Texts.h"

namespace mdlArayValues {

using engine::kBlankSlot;
using engine::kLastPlayedSlot;
using engine::TextSlots;

namespace {

// The lists themselves, writable here alone; the program reads them through
// the constant references below.
namespace writable {
TextSlots aryCard1Yes, aryCard1No, aryCard2, aryCard3, aryCard4, aryCard5;
} // namespace writable

// Writes the numbers from index 0 upwards and the blank marker behind them up
// to index 45, leaving index 46 alone.
void Fill(TextSlots& list, std::initializer_list<const char*> numbers) {
    assert(numbers.size() <= kLastPlayedSlot + 1);
    std::size_t i = 0;
    for (const char* number : numbers)
        list[i++] = number;
    for (; i <= kLastPlayedSlot; ++i)
        list[i] = kBlankSlot;
}

} // namespace

const TextSlots& aryCard1Yes = writable::aryCard1Yes;
const TextSlots& aryCard1No = writable::aryCard1No;
const TextSlots& aryCard2 = writable::aryCard2;
const TextSlots& aryCard3 = writable::aryCard3;
const TextSlots& aryCard4 = writable::aryCard4;
const TextSlots& aryCard5 = writable::aryCard5;

void LoadArayValues() {
    Fill(writable::aryCard1Yes,
         {"1",  "3",  "5",  "7",  "9",  "11", "13", "15", "17", "19", "21", "23",
          "25", "27", "29", "31", "33", "35", "37", "39", "41", "43", "45", "47",
          "49", "51", "53", "55", "57", "59", "61", "63", "65", "67", "69", "71",
          "73", "75", "77", "79", "81", "83", "85", "87", "89", "90"});
    Fill(writable::aryCard1No,
         {"0",  "2",  "4",  "6",  "8",  "10", "12", "14", "16", "18", "20", "22",
          "24", "26", "28", "30", "32", "34", "36", "38", "40", "42", "44", "46",
          "48", "50", "52", "54", "56", "58", "60", "62", "64", "66", "68", "70",
          "72", "74", "76", "78", "80", "82", "84", "86", "88"});
    Fill(writable::aryCard2,
         {"2",  "3",  "6",  "7",  "10", "11", "14", "15", "18", "19", "22", "23", "26", "27", "30",
          "31", "34", "35", "38", "39", "42", "43", "46", "47", "50", "51", "54", "55", "58", "59",
          "62", "63", "66", "67", "70", "71", "74", "75", "78", "79", "82", "83", "86", "87"});
    Fill(writable::aryCard3,
         {"4",  "5",  "6",  "7",  "12", "13", "14", "15", "20", "21", "22", "23",
          "28", "29", "30", "31", "36", "37", "38", "39", "44", "45", "46", "47",
          "52", "53", "54", "55", "60", "61", "62", "63", "68", "69", "70", "71",
          "76", "77", "78", "79", "84", "85", "86", "87", "90"});
    Fill(writable::aryCard4,
         {"8",  "9",  "10", "11", "12", "13", "14", "15", "24", "25", "26", "27", "28", "29", "30",
          "31", "40", "41", "42", "43", "44", "45", "46", "47", "56", "57", "58", "59", "60", "61",
          "62", "63", "72", "73", "74", "75", "76", "77", "78", "79", "88", "89", "90"});
    Fill(writable::aryCard5,
         {"16", "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30",
          "31", "48", "49", "50", "51", "52", "53", "54", "55", "56", "57", "58", "59", "60", "61",
          "62", "63", "80", "81", "82", "83", "84", "85", "86", "87", "88", "89", "90"});
}

} // namespace mdlArayValues
