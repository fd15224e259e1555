// SPDX-License-Identifier: MIT
// The yardstick on Windows: one top-level window with a title bar and the
// client size of the game's main window (400 x 303 pixels at 96 DPI, scaled to
// the screen's), holding one STATIC of Arabic text, right to left, in the
// game's stand-in face (Amiri, bold, 12 points); per-monitor DPI aware, as
// the game is. Nothing else: what any Windows program with a line of text
// costs. Built with the game's toolchain and options.
//
// With --idle it shows nothing and waits, which keeps Wine's own processes
// running between the measured starts.
#include <windows.h>

#include <string>

#include "Texts.h"

namespace {

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

std::wstring Wide(std::string_view text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                            static_cast<int>(wide.size()))));
    return wide;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    if (std::wstring_view(commandLine) == L"--idle") {
        Sleep(INFINITE);
        return 0;
    }
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const int dpi = static_cast<int>(GetDpiForSystem());
    const auto pixels = [dpi](int at96) { return MulDiv(at96, dpi, 96); };

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassExW(&windowClass);

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT outer{0, 0, pixels(400), pixels(303)};
    AdjustWindowRectExForDpi(&outer, style, FALSE, 0, static_cast<UINT>(dpi));
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"", style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top,
                                  nullptr, nullptr, instance, nullptr);
    HWND label = CreateWindowExW(WS_EX_RTLREADING, L"STATIC", Wide(texts::kInstruction).c_str(),
                                 WS_CHILD | WS_VISIBLE | SS_RIGHT, pixels(75), 0, pixels(250),
                                 pixels(114), window, nullptr, instance, nullptr);
    HFONT font =
        CreateFontW(-MulDiv(12, dpi, 72), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Amiri");
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(font);
    return 0;
}
