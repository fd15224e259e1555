// SPDX-License-Identifier: MIT
// What the forms layer's shared code asks of the platform's implementation.
// Not for window code.
#pragma once

#include <string_view>

namespace forms::platform {

// Whether a font family of that name is installed.
bool FamilyInstalled(std::string_view family);

} // namespace forms::platform
