// SPDX-License-Identifier: MIT
#include <QFontDatabase>

#include "Utf8.h"
#include "Widgets.h"
#include "forms/Fonts.h"
#include "forms/Platform.h"

namespace forms {

namespace platform {

bool FamilyInstalled(std::string_view family) {
    return QFontDatabase::hasFamily(qt::FromUtf8(family));
}

} // namespace platform

namespace qt {

QFont RenderFont(const DesignFont& design) {
    QFont font(FromUtf8(RenderFamily(design.family)));
    font.setPointSizeF(design.points * RenderScale(design.family));
    font.setWeight(static_cast<QFont::Weight>(design.weight));
    return font;
}

} // namespace qt
} // namespace forms
