// SPDX-License-Identifier: MIT
// The program's pictures, built into it: the names the windows ask for, and
// the file in assets/pictures that each is drawn from. Every platform reads
// this one list. Not for window code.
#pragma once

#include <string>
#include <string_view>

namespace forms {

struct PictureFile {
    std::string_view name;
    // The file's name without its ending (.xpm, or .png for "start").
    std::string_view file;
};

inline constexpr PictureFile kPictureFiles[] = {
    {"icon", "icon32"}, {"icon16", "icon16"},   {"yes", "yes"},         {"no", "no"},
    {"start", "start"}, {"wrong32", "wrong32"}, {"wrong16", "wrong16"}, {"exit", "exit"},
};

// The file a picture is drawn from; empty for a name the program has none of.
constexpr std::string_view PictureFileOf(std::string_view name) {
    for (const PictureFile& picture : kPictureFiles)
        if (picture.name == name)
            return picture.file;
    return {};
}

// A window's icon of a name is the picture of that name, with the picture
// of the name and "16" for where the desktop shows it small.
inline std::string SmallIconOf(std::string_view name) {
    return std::string(name) + "16";
}

} // namespace forms
