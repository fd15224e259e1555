// SPDX-License-Identifier: MIT
// The forms layer's texts and colours as Qt holds them.
#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include "forms/Types.h"

namespace forms::qt {

inline QString FromUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline QColor ToQColor(Color color) {
    return QColor(color.red, color.green, color.blue);
}

inline Color FromQColor(const QColor& color) {
    return {static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
            static_cast<std::uint8_t>(color.blue())};
}

} // namespace forms::qt
