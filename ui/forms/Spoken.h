// SPDX-License-Identifier: MIT
// Texts that a screen reader reads one after the other.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace forms {

// The texts joined, each ended as a sentence so that a screen reader pauses
// between them; blank ones are left out, and the spaces around each.
inline std::string Sentences(std::initializer_list<std::string_view> texts) {
    std::string spoken;
    for (std::string_view text : texts) {
        const auto first = text.find_first_not_of(' ');
        if (first == std::string_view::npos)
            continue;
        text = text.substr(first, text.find_last_not_of(' ') - first + 1);
        if (!spoken.empty())
            spoken += spoken.ends_with(".") || spoken.ends_with("!") || spoken.ends_with("؟")
                          ? " "
                          : ". ";
        spoken += text;
    }
    return spoken;
}

} // namespace forms
