// SPDX-License-Identifier: MIT
// The program's pictures, built into it: the 16-colour ones from their XPM
// sources (C arrays, read here), the Start picture from its PNG. Each is read
// the first time it is asked for.
#include "forms/Pictures.h"
#include "Native.h"
#include "Png.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace {

#include "exit.xpm"
#include "icon16.xpm"
#include "icon32.xpm"
#include "no.xpm"
#include "wrong16.xpm"
#include "wrong32.xpm"
#include "yes.xpm"

// start.png's bytes (kStartPng), written by the build.
#include "StartPng.inc"

} // namespace

namespace forms::win {

namespace {

std::uint32_t Opaque(unsigned red, unsigned green, unsigned blue) {
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

// An XPM image: "width height colours chars-per-pixel", the colour lines
// ("c #RRGGBB" or "c None"), then the rows.
Pixels FromXpm(const char* const* xpm) {
    Pixels picture;
    int colours = 0, perPixel = 0;
    if (std::sscanf(xpm[0], "%d %d %d %d", &picture.width, &picture.height, &colours, &perPixel) !=
            4 ||
        perPixel < 1)
        return {};
    std::map<std::string, std::uint32_t> palette;
    for (int i = 1; i <= colours; ++i) {
        const std::string line = xpm[i];
        const std::string key = line.substr(0, static_cast<std::size_t>(perPixel));
        const std::size_t c = line.find(" c ", static_cast<std::size_t>(perPixel));
        const std::string value = c == std::string::npos ? "None" : line.substr(c + 3);
        std::uint32_t pixel = 0; // None: transparent
        if (value.size() == 7 && value[0] == '#') {
            const unsigned long rgb = std::strtoul(value.c_str() + 1, nullptr, 16);
            pixel = Opaque((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
        }
        palette[key] = pixel;
    }
    picture.bgra.resize(static_cast<std::size_t>(picture.width) *
                        static_cast<std::size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y) {
        const char* row = xpm[1 + colours + y];
        for (int x = 0; x < picture.width; ++x) {
            const std::string key(row + x * perPixel, static_cast<std::size_t>(perPixel));
            const auto found = palette.find(key);
            picture.bgra[static_cast<std::size_t>(y * picture.width + x)] =
                found == palette.end() ? 0 : found->second;
        }
    }
    return picture;
}

// The source pixels behind each target pixel along one axis, with their
// weights: the part of each under it where the picture shrinks, the two
// nearest by their distance where it grows.
struct Tap {
    int index;
    double weight;
};
std::vector<std::vector<Tap>> Taps(int source, int target) {
    std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(target));
    const double ratio = static_cast<double>(source) / target;
    for (int t = 0; t < target; ++t) {
        auto& tap = taps[static_cast<std::size_t>(t)];
        if (ratio >= 1) {
            const double from = t * ratio, to = (t + 1) * ratio;
            for (int i = static_cast<int>(from); i < source && i < to; ++i)
                tap.push_back({i, std::min<double>(i + 1, to) - std::max<double>(i, from)});
        } else {
            const double centre = (t + 0.5) * ratio - 0.5;
            const int below = static_cast<int>(std::floor(centre));
            const double part = centre - below;
            tap.push_back({std::clamp(below, 0, source - 1), 1 - part});
            tap.push_back({std::clamp(below + 1, 0, source - 1), part});
        }
    }
    return taps;
}

} // namespace

// Premultiplied, so that edges blend cleanly with what is behind them.
Pixels Scaled(const Pixels& source, int width, int height) {
    Pixels target;
    target.width = width;
    target.height = height;
    target.bgra.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const auto across = Taps(source.width, width), down = Taps(source.height, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double sum[4] = {0, 0, 0, 0}, total = 0;
            for (const Tap& v : down[static_cast<std::size_t>(y)])
                for (const Tap& u : across[static_cast<std::size_t>(x)]) {
                    const std::uint32_t p =
                        source.bgra[static_cast<std::size_t>(v.index * source.width + u.index)];
                    const double weight = v.weight * u.weight;
                    for (int c = 0; c < 4; ++c)
                        sum[c] += weight * ((p >> (8 * c)) & 0xFF);
                    total += weight;
                }
            std::uint32_t p = 0;
            for (int c = 0; c < 4 && total > 0; ++c)
                p |= static_cast<std::uint32_t>(std::clamp(std::lround(sum[c] / total), 0L, 255L))
                     << (8 * c);
            target.bgra[static_cast<std::size_t>(y * width + x)] = p;
        }
    return target;
}

namespace {

HBITMAP Dib(const Pixels& picture, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
    if (bitmap && *bits)
        std::memcpy(*bits, picture.bgra.data(), picture.bgra.size() * 4);
    return bitmap;
}

// The XPM sources by file name; the one other file is start.png.
const char* const* XpmOf(std::string_view file) {
    static const std::map<std::string_view, const char* const*> xpm{
        {"icon32", velkaro_icon32}, {"icon16", velkaro_icon16},   {"yes", velkaro_yes},
        {"no", velkaro_no},         {"wrong32", velkaro_wrong32}, {"wrong16", velkaro_wrong16},
        {"exit", velkaro_exit}};
    const auto found = xpm.find(file);
    return found == xpm.end() ? nullptr : found->second;
}

} // namespace

// Each picture file's drawing, decoded the first time it is asked for: a
// window's hidden buttons cost nothing until they are drawn.
const Pixels* PictureNamed(std::string_view name) {
    static std::map<std::string_view, Pixels> decoded;
    const std::string_view file = PictureFileOf(name);
    if (file.empty())
        return nullptr;
    auto found = decoded.find(file);
    if (found == decoded.end()) {
        const char* const* xpm = XpmOf(file);
        found = decoded.emplace(file, xpm ? FromXpm(xpm) : DecodePng(kStartPng, sizeof kStartPng))
                    .first;
    }
    return found->second.bgra.empty() ? nullptr : &found->second;
}

SIZE PictureSizeOf(std::string_view name) {
    const std::string_view file = PictureFileOf(name);
    if (file.empty())
        return {};
    // An XPM's first line: "width height colours chars-per-pixel"; the PNG is read.
    SIZE size{};
    if (const char* const* xpm = XpmOf(file)) {
        if (std::sscanf(xpm[0], "%ld %ld", &size.cx, &size.cy) != 2)
            return {};
        return size;
    }
    const Pixels* picture = PictureNamed(name);
    return picture ? SIZE{picture->width, picture->height} : SIZE{};
}

void DrawPicture(HDC dc, const Pixels& picture, const RECT& box) {
    const int width = box.right - box.left, height = box.bottom - box.top;
    if (width <= 0 || height <= 0)
        return;
    const Pixels shown = width == picture.width && height == picture.height
                             ? picture
                             : Scaled(picture, width, height);
    void* bits = nullptr;
    HBITMAP bitmap = Dib(shown, &bits);
    if (!bitmap)
        return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, box.left, box.top, width, height, source, 0, 0, width, height, blend);
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(bitmap);
}

HICON IconFrom(const Pixels& picture) {
    // The colours with their alpha, and a mask with a bit set where the
    // picture is transparent; rows of whole 16-bit words.
    void* bits = nullptr;
    HBITMAP colour = Dib(picture, &bits);
    const int stride = ((picture.width + 15) / 16) * 2;
    std::vector<BYTE> mask(static_cast<std::size_t>(stride * picture.height), 0);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            if ((picture.bgra[static_cast<std::size_t>(y * picture.width + x)] >> 24) == 0)
                mask[static_cast<std::size_t>(y * stride + x / 8)] |=
                    static_cast<BYTE>(0x80 >> (x % 8));
    HBITMAP maskBitmap = CreateBitmap(picture.width, picture.height, 1, 1, mask.data());
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = maskBitmap;
    info.hbmColor = colour;
    HICON icon = colour && maskBitmap ? CreateIconIndirect(&info) : nullptr;
    DeleteObject(colour);
    DeleteObject(maskBitmap);
    return icon;
}

} // namespace forms::win
