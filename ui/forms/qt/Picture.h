// SPDX-License-Identifier: MIT
// The program's pictures, compiled in as resources, by name.
#pragma once

#include <QPixmap>
#include <string_view>

namespace forms::qt {

// Decodes the picture of that name, stored as ":/pictures/<its file>". Its format is told
// from its first bytes, so that Qt does not load every image format plugin to
// ask each whether it can read it.
QPixmap Picture(std::string_view name);
// Its size, read without decoding it.
QSize PictureSize(std::string_view name);

} // namespace forms::qt
