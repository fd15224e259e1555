// SPDX-License-Identifier: MIT
// Small helpers for the elements' styles.
#pragma once

#include <cstdio>
#include <string>

#include "Dom.h"
#include "forms/Types.h"

namespace forms::web {

inline std::string CssColor(Color color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", color.red, color.green, color.blue);
    return text;
}

inline void SetStyle(int id, const char* name, const std::string& value) {
    vk_set_style(id, name, value.c_str());
}

} // namespace forms::web
