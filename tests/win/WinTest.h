// SPDX-License-Identifier: MIT
// What the Windows tests share: the DPI they run at, the message pump, a player's keys, the
// controls by their names, the boxes the twips rule gives, and the pixels of a window.
#pragma once

#include <doctest/doctest.h>

#include "forms/win/Native.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "Design.h"
#include "forms/Application.h"
#include "forms/Control.h"
#include "forms/Form.h"
#include "frmMainVelkaro.h"

namespace wintest {

// The screen's DPI the test runs at: the Wine prefix's LogPixels, or on Windows the desktop's.
inline int ExpectedDpi() {
    const char* dpi = std::getenv("VELKARO_WINE_DPI");
    return dpi ? std::atoi(dpi) : int(GetDpiForSystem());
}

// Handles the messages that come in during the given time.
inline void Pump(int milliseconds = 50) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < until) {
        if (!forms::win::ProcessPending())
            return;
        Sleep(1);
    }
}

// A window's text, as screen readers read it, in UTF-8.
inline std::string Text(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), int(text.size()))));
    std::string narrow(text.size() * 4, '\0');
    narrow.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), narrow.data(),
                            int(narrow.size()), nullptr, nullptr)));
    return narrow;
}

// The main window, shown and active, in a program that has not ended.
inline frmMainVelkaro& ShownMainWindow() {
    forms::Restart();
    auto* window = new frmMainVelkaro;
    window->Show();
    Pump(200);
    return *window;
}

// Every window gone, and the program able to start again.
inline void CloseEverything() {
    forms::win::DestroyWindows();
    Pump();
    forms::Restart();
}

// A key pressed and released where the keyboard focus is, with Shift held or not.
inline void Key(WORD key, bool shift = false) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    HWND target = GetFocus();
    REQUIRE(target != nullptr);
    PostMessageW(target, WM_KEYDOWN, key, 1 | LPARAM(scan) << 16);
    Pump(20);
    PostMessageW(target, WM_KEYUP, key, 1 | LPARAM(scan) << 16 | LPARAM(3) << 30);
    Pump();
    state[VK_SHIFT] = 0;
    SetKeyboardState(state);
}

// The control of that name in the window's design, wherever it stands in the window.
inline HWND Child(const forms::Form& form, std::string_view name) {
    struct Search {
        std::string_view name;
        HWND found;
    } search{name, nullptr};
    EnumChildWindows(
        forms::win::Handle(form),
        [](HWND hwnd, LPARAM data) -> BOOL {
            auto& wanted = *reinterpret_cast<Search*>(data);
            const forms::NativeWidget* native = forms::NativeWidget::Of(hwnd);
            if (!native || !native->control || native->control->Name() != wanted.name)
                return TRUE;
            wanted.found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    REQUIRE_MESSAGE(search.found != nullptr, std::string(name));
    return search.found;
}

// The pixel box the twips rule gives at a DPI: both edges rounded.
inline RECT Expected(float left, float top, float width, float height, int dpi = ExpectedDpi()) {
    const float perPixel = 1440.0f / float(dpi);
    const auto round = [perPixel](float v) { return LONG(std::lround(v / perPixel)); };
    return {round(left), round(top), round(left + width), round(top + height)};
}
inline RECT Expected(const design::Rect& twips, int dpi = ExpectedDpi()) {
    return Expected(twips.left, twips.top, twips.width, twips.height, dpi);
}

// A control's box in its container's client area, in pixels.
inline RECT Box(HWND control) {
    RECT box;
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&box), 2);
    return box;
}

// What a window shows now, as the screen has it: rows of COLORREFs.
struct Pixels {
    int width = 0, height = 0;
    std::vector<COLORREF> colours;
    COLORREF At(int x, int y) const { return colours[std::size_t(y * width + x)]; }
};

inline Pixels Capture(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    Pixels pixels;
    pixels.width = client.right;
    pixels.height = client.bottom;
    HDC dc = GetDC(hwnd);
    HDC memory = CreateCompatibleDC(dc);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, pixels.width, pixels.height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* bgra = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < pixels.width * pixels.height; ++i) {
        const std::uint32_t p = bgra[i];
        pixels.colours.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(hwnd, dc);
    return pixels;
}

// How far apart two colours are: the largest difference of a component.
inline int Distance(COLORREF a, COLORREF b) {
    const auto d = [](int x, int y) { return x > y ? x - y : y - x; };
    return std::max({d(GetRValue(a), GetRValue(b)), d(GetGValue(a), GetGValue(b)),
                     d(GetBValue(a), GetBValue(b))});
}

// The box of what is drawn on a background (the corner's colour): ink, in the window's pixels.
// Rows of ink in bands, top to bottom: each band's first and last row and its rightmost column.
struct Ink {
    RECT box{};
    struct Band {
        int top, bottom, right;
    };
    std::vector<Band> bands;
};

inline Ink InkOf(const Pixels& pixels) {
    Ink ink;
    const COLORREF back = pixels.At(0, 0);
    ink.box = {pixels.width, pixels.height, -1, -1};
    for (int y = 0; y < pixels.height; ++y) {
        int right = -1;
        for (int x = 0; x < pixels.width; ++x)
            if (Distance(pixels.At(x, y), back) > 96) {
                right = x;
                ink.box.left = std::min<LONG>(ink.box.left, x);
            }
        if (right < 0)
            continue;
        ink.box = {ink.box.left, std::min<LONG>(ink.box.top, y),
                   std::max<LONG>(ink.box.right, right), y};
        if (!ink.bands.empty() && ink.bands.back().bottom == y - 1) {
            ink.bands.back().bottom = y;
            ink.bands.back().right = std::max(ink.bands.back().right, right);
        } else {
            ink.bands.push_back({y, y, right});
        }
    }
    return ink;
}

// Asks whoever reads the output to take a picture of the window, frame included, and waits
// while it does: "SHOT name left top width height".
inline void SaveShot(HWND hwnd, const std::string& name) {
    Pump(300);
    RECT box;
    GetWindowRect(hwnd, &box);
    std::printf("SHOT %s %ld %ld %ld %ld\n", name.c_str(), box.left, box.top, box.right - box.left,
                box.bottom - box.top);
    std::fflush(stdout);
    Pump(2500);
}

} // namespace wintest

namespace doctest {
template <> struct StringMaker<std::string_view> {
    static String convert(std::string_view text) {
        return String(text.data(), static_cast<String::size_type>(text.size()));
    }
};
template <> struct StringMaker<RECT> {
    static String convert(const RECT& r) {
        return (std::to_string(r.left) + "," + std::to_string(r.top) + " - " +
                std::to_string(r.right) + "," + std::to_string(r.bottom))
            .c_str();
    }
};
} // namespace doctest

inline bool operator==(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}
