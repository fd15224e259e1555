// SPDX-License-Identifier: MIT
#include "Fonts.h"

#include <array>
#include <map>

#include "Platform.h"

namespace forms {

namespace {

struct StandIn {
    const char* family;
    // Size factor: these faces are drawn larger than the designed one at the
    // same point size. With it the texts keep the line count the windows were
    // laid out for (the card question on one line, the instruction on two).
    double scale;
};

struct Substitution {
    const char* designed;
    std::array<StandIn, 6> standIns;
};

// Amiri is a Naskh face like Traditional Arabic; Noto Naskh Arabic is the
// second choice. Where neither is installed (Windows without its Arabic
// supplemental fonts), the faces every Windows has with Arabic letters:
// Times New Roman's Arabic is a Naskh too, then Arial, Tahoma and Segoe UI,
// whose Arabic letters are larger and wider still at the same point size.
// Mudir MT titles only Latin text here ("Velkaro"), so its stand-ins must
// carry Latin letters: Amiri's and Times New Roman's bold Latin suit a title.
constexpr std::array<Substitution, 2> kSubstitutions{{
    {"Traditional Arabic",
     {{{"Amiri", 0.75},
       {"Noto Naskh Arabic", 0.7},
       {"Times New Roman", 0.75},
       {"Arial", 0.75},
       {"Tahoma", 0.7},
       {"Segoe UI", 0.7}}}},
    {"Mudir MT",
     {{{"Amiri", 1.0},
       {"Noto Naskh Arabic", 0.95},
       {"Times New Roman", 1.0},
       {"Arial", 0.9},
       {"Tahoma", 0.9},
       {"Segoe UI", 0.9}}}},
}};

// The choice, asked once per family: asking for a missing family is slow.
const FaceChoice& StandInFor(std::string_view designed) {
    static std::map<std::string, FaceChoice, std::less<>> chosen;
    const auto known = chosen.find(designed);
    if (known != chosen.end())
        return known->second;
    return chosen.emplace(std::string(designed), ChooseFace(designed, platform::FamilyInstalled))
        .first->second;
}

} // namespace

FaceChoice ChooseFace(std::string_view designed,
                      const std::function<bool(std::string_view)>& installed) {
    if (installed(designed))
        return {std::string(designed), 1.0};
    for (const Substitution& substitution : kSubstitutions) {
        if (designed != substitution.designed)
            continue;
        for (const StandIn& standIn : substitution.standIns)
            if (installed(standIn.family))
                return {standIn.family, standIn.scale};
    }
    // Nothing suitable is installed: let the platform pick, at the designed size.
    return {std::string(designed), 1.0};
}

std::string RenderFamily(std::string_view designedFamily) {
    return StandInFor(designedFamily).family;
}

double RenderScale(std::string_view designedFamily) {
    return StandInFor(designedFamily).scale;
}

} // namespace forms
