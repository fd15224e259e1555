// SPDX-License-Identifier: MIT
// The program's pictures, compiled in as resources.
#pragma once

#include <QPixmap>

namespace forms {

// Decodes a picture. Its format is told from its first bytes, so that Qt does
// not load every image format plugin to ask each whether it can read it.
QPixmap Picture(const QString& path);

} // namespace forms
