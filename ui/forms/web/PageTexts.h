// SPDX-License-Identifier: MIT
// The texts that only the web page shows, UTF-8.
#pragma once

#include <string_view>

namespace forms::web::texts {

// The accessible name of a window's close box (its picture is a cross).
inline constexpr std::string_view kClose = "إغلاق";
// The end page's one button, which starts another game without reloading.
inline constexpr std::string_view kPlayAgain = "العب مرة أخرى";

} // namespace forms::web::texts
