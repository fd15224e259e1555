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
    std::array<StandIn, 2> standIns;
};

// Amiri is a Naskh face like Traditional Arabic; Noto Naskh Arabic is the
// second choice. Mudir MT titles only Latin text here ("Velkaro"), so its
// stand-ins must carry Latin letters: Amiri's bold Latin suits a title.
constexpr std::array<Substitution, 2> kSubstitutions{{
    {"Traditional Arabic", {{{"Amiri", 0.75}, {"Noto Naskh Arabic", 0.7}}}},
    {"Mudir MT", {{{"Amiri", 1.0}, {"Noto Naskh Arabic", 0.95}}}},
}};

struct Choice {
    std::string family;
    double scale = 1.0;
};

Choice FindStandIn(std::string_view designed) {
    if (platform::FamilyInstalled(designed))
        return {std::string(designed), 1.0};
    for (const Substitution& substitution : kSubstitutions) {
        if (designed != substitution.designed)
            continue;
        for (const StandIn& standIn : substitution.standIns)
            if (platform::FamilyInstalled(standIn.family))
                return {standIn.family, standIn.scale};
    }
    // Nothing suitable is installed: let the platform pick, at the designed size.
    return {std::string(designed), 1.0};
}

// FindStandIn, asked once per family: asking for a missing family is slow.
const Choice& StandInFor(std::string_view designed) {
    static std::map<std::string, Choice, std::less<>> chosen;
    const auto known = chosen.find(designed);
    if (known != chosen.end())
        return known->second;
    return chosen.emplace(std::string(designed), FindStandIn(designed)).first->second;
}

} // namespace

std::string RenderFamily(std::string_view designedFamily) {
    return StandInFor(designedFamily).family;
}

double RenderScale(std::string_view designedFamily) {
    return StandInFor(designedFamily).scale;
}

} // namespace forms
