// SPDX-License-Identifier: MIT
// run_unelevated.exe <command line>: runs the command line as a user without administrator
// rights would, with the limited token linked to this program's elevated one, waits for it and
// ends with its exit code. Wine starts every program elevated, as an administrator's "Run as
// administrator" would; the setup program's tests start it through this to see what a plain
// user sees. Where this program is not elevated, the command runs with its own token.
#include <windows.h>

#include <cwchar>

namespace {

// The command line after this program's own name, as it was written.
wchar_t* commandAfterProgramName() {
    wchar_t* line = GetCommandLineW();
    bool quoted = false;
    for (; *line != L'\0'; ++line) {
        if (*line == L'"') {
            quoted = !quoted;
        } else if (!quoted && (*line == L' ' || *line == L'\t')) {
            break;
        }
    }
    while (*line == L' ' || *line == L'\t') {
        ++line;
    }
    return line;
}

HANDLE limitedToken() {
    HANDLE own = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &own)) {
        return nullptr;
    }
    TOKEN_LINKED_TOKEN linked{};
    DWORD size = 0;
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    HANDLE result = nullptr;
    if (GetTokenInformation(own, TokenElevationType, &type, sizeof type, &size) &&
        type == TokenElevationTypeFull &&
        GetTokenInformation(own, TokenLinkedToken, &linked, sizeof linked, &size)) {
        result = linked.LinkedToken;
    }
    CloseHandle(own);
    return result;
}

} // namespace

int wmain() {
    wchar_t* command = commandAfterProgramName();
    if (*command == L'\0') {
        std::fwprintf(stderr, L"usage: run_unelevated.exe program [arguments]\n");
        return 2;
    }
    HANDLE token = limitedToken();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started = token != nullptr
                             ? CreateProcessAsUserW(token, nullptr, command, nullptr, nullptr,
                                                    FALSE, 0, nullptr, nullptr, &startup, &process)
                             : CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr,
                                              nullptr, &startup, &process);
    if (!started) {
        std::fwprintf(stderr, L"run_unelevated.exe: cannot start %ls (error %lu)\n", command,
                      GetLastError());
        return 2;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (token != nullptr) {
        CloseHandle(token);
    }
    return static_cast<int>(code);
}
