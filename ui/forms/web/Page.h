// SPDX-License-Identifier: MIT
// The program on a web page: for the web edition's entry point alone.
#pragma once

#include <functional>
#include <string_view>

namespace forms::web {

// Starts the game on the page: `start` makes and shows the first window,
// now and again each time the player asks for another game after the end,
// when the page shows nothing but the product's name and that offer.
void Run(std::string_view productName, std::function<void()> start);

} // namespace forms::web
