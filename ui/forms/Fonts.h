// SPDX-License-Identifier: MIT
// The fonts the windows were designed with, and the installed faces that
// stand in for them where they are missing.
#pragma once

#include <QFont>
#include <QString>

namespace forms {

// A font as designed: family, size in points, weight.
struct DesignFont {
    QString family;
    float points = 0;
    int weight = QFont::Normal;
};

// The font that draws a design font here: the designed family when it is
// installed, otherwise the first installed stand-in, sized so that it takes
// the room the designed face takes. The size reported to the window code
// stays the designed one.
QFont RenderFont(const DesignFont& design);

// The family that draws the designed one.
QString RenderFamily(const QString& designedFamily);

} // namespace forms
