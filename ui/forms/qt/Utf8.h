// SPDX-License-Identifier: MIT
// The program's texts, held as UTF-8, as Qt holds them.
#pragma once

#include <QString>
#include <string_view>

namespace forms {

inline QString FromUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace forms
