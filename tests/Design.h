// SPDX-License-Identifier: MIT
// The windows as designed, in twips: the tests' one copy of the controls'
// boxes and of the Wrong button's two places.
#pragma once

#include <QRectF>

namespace design {

struct Box {
    const char* name;
    QRectF twips; // left, top, width, height
};

inline const Box kMainWindow[] = {
    {"cmdYes", {2400, 3720, 1080, 735}},    {"cmdNo", {709, 3720, 1080, 735}},
    {"cmdStart", {2093, 1680, 1815, 2040}}, {"lblMain", {1133, 0, 3735, 855}},
    {"lblQu1", {1388, 240, 3225, 480}},     {"lblNoList", {360, 960, 5175, 2295}},
    {"cmdWrong", {4076, 3720, 1095, 735}},
};

// Label9 and Label8 inside Frame1, the others in the window.
inline const Box kAboutWindow[] = {
    {"Frame1", {600, 1560, 4095, 975}}, {"Label9", {720, 240, 2895, 255}},
    {"Label8", {1320, 600, 1575, 255}}, {"Command1", {2070, 3600, 1215, 975}},
    {"Label5", {360, 1080, 4455, 615}}, {"Label1", {1080, 120, 3135, 735}},
};

// The Wrong button's places in the button row: left of the Correct button,
// where the number screen shows it, and right of it, as designed.
inline constexpr float kWrongLeft = 709;
inline constexpr float kWrongRight = 4076;

inline QRectF WrongButtonAt(float left) {
    return {left, 3720, 1095, 735};
}

} // namespace design
