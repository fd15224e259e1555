// SPDX-License-Identifier: MIT
#include "Fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <array>

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
    QString family;
    double scale = 1.0;
};

Choice FindStandIn(const QString& designed) {
    if (QFontDatabase::hasFamily(designed))
        return {designed, 1.0};
    for (const Substitution& substitution : kSubstitutions) {
        if (designed != QLatin1String(substitution.designed))
            continue;
        for (const StandIn& standIn : substitution.standIns)
            if (QFontDatabase::hasFamily(QString::fromLatin1(standIn.family)))
                return {QString::fromLatin1(standIn.family), standIn.scale};
    }
    // Nothing suitable is installed: let Qt pick, at the designed size.
    return {designed, 1.0};
}

// FindStandIn, asked once per family: asking fontconfig for a missing family
// is slow.
Choice StandInFor(const QString& designed) {
    static QHash<QString, Choice> chosen;
    const auto known = chosen.constFind(designed);
    if (known != chosen.constEnd())
        return *known;
    return *chosen.insert(designed, FindStandIn(designed));
}

} // namespace

QFont RenderFont(const DesignFont& design) {
    const Choice choice = StandInFor(design.family);
    QFont font(choice.family);
    font.setPointSizeF(design.points * choice.scale);
    font.setWeight(static_cast<QFont::Weight>(design.weight));
    return font;
}

QString RenderFamily(const QString& designedFamily) {
    return StandInFor(designedFamily).family;
}

} // namespace forms
