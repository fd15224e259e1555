// SPDX-License-Identifier: MIT
// Start-up on Windows: the main window and the message loop until the About window ends the
// program. The program takes no arguments; with no console to print to, --help and --version
// answer in a message box, and so does anything else on the command line.
#include <windows.h>

#include <shellapi.h>

#include <exception>
#include <string>

#include "Identity.h"
#include "forms/Application.h"
#include "frmMainVelkaro.h"

namespace {

std::wstring Wide(const char* ascii) {
    return std::wstring(ascii, ascii + std::char_traits<char>::length(ascii));
}

int Tell(const std::wstring& text, UINT icon, int exitCode) {
    MessageBoxW(nullptr, text.c_str(), Wide(VELKARO_NAME).c_str(), MB_OK | icon);
    return exitCode;
}

constexpr wchar_t kHelp[] =
    L"Velkaro reads your mind: think of a whole number from 0 to 90, answer seven questions in "
    L"its window, and it names your number. The game speaks Arabic.\n\n"
    L"Velkaro takes no arguments.\n"
    L"  --help     Show this help.\n"
    L"  --version  Show the version.";

// The answer to the command line, or -1 when the game should start.
int ReadCommandLine() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments || count < 2) {
        LocalFree(arguments);
        return -1;
    }
    const std::wstring first = arguments[1];
    LocalFree(arguments);
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
