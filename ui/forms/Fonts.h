// SPDX-License-Identifier: MIT
// The fonts the windows were designed with, and the installed faces that
// stand in for them where they are missing.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace forms {

// The family that draws the designed one here: the designed family when it
// is installed, otherwise the first installed stand-in (the Naskh faces
// Amiri and Noto Naskh Arabic, then the faces every Windows has with Arabic
// letters: Times New Roman, Arial, Tahoma, Segoe UI), otherwise the designed
// name, for the platform to match.
std::string RenderFamily(std::string_view designedFamily);

// How much larger a stand-in face draws than the designed one at the same
// point size; the stand-in is drawn this much smaller, so that the texts
// keep the line count the windows were laid out for. 1 for the designed face.
double RenderScale(std::string_view designedFamily);

// The choice behind both, where the installed families are those that
// `installed` says are.
struct FaceChoice {
    std::string family;
    double scale = 1.0;
    friend bool operator==(const FaceChoice&, const FaceChoice&) = default;
};
FaceChoice ChooseFace(std::string_view designedFamily,
                      const std::function<bool(std::string_view)>& installed);

} // namespace forms
