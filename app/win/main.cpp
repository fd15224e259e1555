// SPDX-License-Identifier: MIT
// Start-up on Windows: the main window and the message loop until the About window ends the
// program. The program takes no arguments; with no console to print to, --help and --version
// answer in a message box, and so does anything else on the command line.
#include <windows.h>

#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "Identity.h"
#include "forms/Application.h"
#include "frmMainVelkaro.h"

namespace {

std::wstring Wide(const char* ascii) {
    return std::wstring(ascii, ascii + std::char_traits<char>::length(ascii));
}

// The common controls 6 (the desktop's current look) for as long as it lives: the manifest of
// resource id 2, which only the message boxes need.
class CurrentLook {
public:
    CurrentLook() {
        wchar_t path[MAX_PATH] = {};
        ACTCTXW context{};
        context.cbSize = sizeof context;
        context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        context.hModule = GetModuleHandleW(nullptr);
        context.lpResourceName = MAKEINTRESOURCEW(2);
        if (GetModuleFileNameW(nullptr, path, MAX_PATH) < MAX_PATH)
            context.lpSource = path;
        handle_ = CreateActCtxW(&context);
        active_ = handle_ != INVALID_HANDLE_VALUE && ActivateActCtx(handle_, &cookie_);
    }
    ~CurrentLook() {
        if (active_)
            DeactivateActCtx(0, cookie_);
        if (handle_ != INVALID_HANDLE_VALUE)
            ReleaseActCtx(handle_);
    }
    CurrentLook(const CurrentLook&) = delete;
    CurrentLook& operator=(const CurrentLook&) = delete;

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

int Tell(const std::wstring& text, UINT icon, int exitCode) {
    const CurrentLook look;
    MessageBoxW(nullptr, text.c_str(), Wide(VELKARO_NAME).c_str(), MB_OK | icon);
    return exitCode;
}

constexpr wchar_t kHelp[] =
    L"Velkaro reads your mind: think of a whole number from 0 to 90, answer seven questions in "
    L"its window, and it names your number. The game speaks Arabic.\n\n"
    L"Velkaro takes no arguments.\n"
    L"  --help     Show this help.\n"
    L"  --version  Show the version.";

bool Blank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

// The arguments after the program's name, split as Windows programs split them: at white space
// outside double quotes; 2n backslashes before a quote give n and the quote opens or closes,
// 2n + 1 give n and a quote; two quotes within quotes give one; other backslashes stay.
std::vector<std::wstring> Arguments(std::wstring_view line) {
    std::size_t at = 0;
    // The program's name: quoted, or up to white space, backslashes and all.
    if (!line.empty() && line[0] == L'"') {
        at = line.find(L'"', 1);
        at = at == std::wstring_view::npos ? line.size() : at + 1;
    }
    while (at < line.size() && !Blank(line[at]))
        ++at;
    std::vector<std::wstring> arguments;
    for (;;) {
        while (at < line.size() && Blank(line[at]))
            ++at;
        if (at == line.size())
            return arguments;
        std::wstring argument;
        bool quoted = false;
        while (at < line.size() && (quoted || !Blank(line[at]))) {
            std::size_t slashes = 0;
            while (at < line.size() && line[at] == L'\\') {
                ++slashes;
                ++at;
            }
            if (at < line.size() && line[at] == L'"') {
                argument.append(slashes / 2, L'\\');
                if (slashes % 2 == 1) {
                    argument += L'"';
                } else if (quoted && at + 1 < line.size() && line[at + 1] == L'"') {
                    argument += L'"';
                    ++at;
                } else {
                    quoted = !quoted;
                }
                ++at;
            } else if (slashes > 0) {
                argument.append(slashes, L'\\');
            } else {
                argument += line[at++];
            }
        }
        arguments.push_back(std::move(argument));
    }
}

// The answer to the command line, or -1 when the game should start.
int ReadCommandLine() {
    const std::vector<std::wstring> arguments = Arguments(GetCommandLineW());
    if (arguments.empty())
        return -1;
    const std::wstring& first = arguments[0];
    if (first == L"--help" || first == L"-h" || first == L"/?")
        return Tell(kHelp, MB_ICONINFORMATION, 0);
    if (first == L"--version" || first == L"-v")
        return Tell(Wide(VELKARO_NAME) + L" " + Wide(VELKARO_VERSION), MB_ICONINFORMATION, 0);
    return Tell(L"Velkaro takes no arguments: \"" + first + L"\" is not one it knows (see --help).",
                MB_ICONERROR, 2);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    if (const int exitCode = ReadCommandLine(); exitCode >= 0)
        return exitCode;

    forms::PreparePlatform();
    frmMainVelkaro* main = nullptr;
    try {
        main = new frmMainVelkaro;
    } catch (const std::exception&) {
        return Tell(L"Velkaro cannot start because Windows did not let it open its window.",
                    MB_ICONERROR, 1);
    }
    return forms::Run(*main);
}
