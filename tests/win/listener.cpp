// SPDX-License-Identifier: MIT
// A screen reader's ears, for the tests: a program of its own, as Windows screen readers are,
// that reads another process's windows through MSAA.
//   listener listen PROCESS-ID   follows the process's focus and live-region events out of
//                                context and prints, for each, what the object says:
//                                "focus<TAB>role<TAB>name<TAB>description" or "live<TAB>name";
//                                "ready" once it listens. Ends on WM_QUIT.
//   listener read HWND...        prints "role<TAB>name<TAB>description" of each window's client
//                                object (the handles in hexadecimal).
// Output is UTF-8, one line each, flushed at once.
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <deque>
#include <string>

// The import library of oleacc has a symbol IID_IAccessible of its own (a thunk, not the GUID):
// the interface's identity comes from its declaration instead.

namespace {

std::string Utf8(const wchar_t* text) {
    if (!text || !*text)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.data(), size, nullptr, nullptr);
    narrow.resize(narrow.size() - 1);
    return narrow;
}

std::string Taken(BSTR text) {
    std::string narrow = Utf8(text);
    SysFreeString(text);
    return narrow;
}

const char* RoleName(long role) {
    switch (role) {
    case ROLE_SYSTEM_PUSHBUTTON:
        return "push button";
    case ROLE_SYSTEM_STATICTEXT:
        return "static text";
    case ROLE_SYSTEM_WINDOW:
        return "window";
    case ROLE_SYSTEM_CLIENT:
        return "client";
    default:
        return "other";
    }
}

// Role, name and description of an object, tab-separated.
std::string Read(IAccessible* object, const VARIANT& child) {
    VARIANT role{};
    std::string line = SUCCEEDED(object->get_accRole(child, &role)) && role.vt == VT_I4
                           ? RoleName(role.lVal)
                           : "?";
    BSTR name = nullptr, description = nullptr;
    line += "\t" + (SUCCEEDED(object->get_accName(child, &name)) ? Taken(name) : std::string());
    line += "\t" + (SUCCEEDED(object->get_accDescription(child, &description)) ? Taken(description)
                                                                               : std::string());
    return line;
}

void Say(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

// The process listened to; every process's events are hooked, as screen readers hook them.
DWORD gProcess = 0;

// Events wait in order until the one before has been read: while the listener waits for the
// game to answer, the next events already come in.
struct Heard {
    DWORD event;
    HWND hwnd;
    LONG objectId, childId;
};
std::deque<Heard> gWaiting;
bool gReading = false;

void Tell(const Heard& heard) {
    IAccessible* object = nullptr;
    VARIANT child{};
    if (FAILED(AccessibleObjectFromEvent(heard.hwnd, static_cast<DWORD>(heard.objectId),
                                         static_cast<DWORD>(heard.childId), &object, &child)) ||
        !object) {
        Say(heard.event == EVENT_OBJECT_FOCUS ? "focus\t?" : "live\t?");
        return;
    }
    if (heard.event == EVENT_OBJECT_FOCUS) {
        Say("focus\t" + Read(object, child));
    } else {
        BSTR name = nullptr;
        Say("live\t" +
            (SUCCEEDED(object->get_accName(child, &name)) ? Taken(name) : std::string()));
    }
    VariantClear(&child);
    object->Release();
}

void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG objectId, LONG childId, DWORD,
                   DWORD) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != gProcess)
        return;
    gWaiting.push_back({event, hwnd, objectId, childId});
    if (gReading)
        return;
    gReading = true;
    while (!gWaiting.empty()) {
        const Heard next = gWaiting.front();
        gWaiting.pop_front();
        Tell(next);
    }
    gReading = false;
}

int Listen(DWORD process) {
    gProcess = process;
    const DWORD flags = WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS;
    HWINEVENTHOOK focus =
        SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, Hear, 0, 0, flags);
    HWINEVENTHOOK live = SetWinEventHook(
        EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr, Hear, 0, 0, flags);
    if (!focus || !live)
        return 1;
    Say("ready");
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    UnhookWinEvent(focus);
    UnhookWinEvent(live);
    return 0;
}

int ReadWindows(int count, wchar_t** handles) {
    for (int i = 0; i < count; ++i) {
        const auto hwnd = reinterpret_cast<HWND>(std::wcstoull(handles[i], nullptr, 16));
        IAccessible* object = nullptr;
        const HRESULT found =
            AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT),
                                       __uuidof(IAccessible), reinterpret_cast<void**>(&object));
        if (FAILED(found) || !object) {
            char line[64];
            std::snprintf(line, sizeof line, "none %p %08lx", static_cast<void*>(hwnd),
                          static_cast<unsigned long>(found));
            Say(line);
            continue;
        }
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        Say(Read(object, self));
        object->Release();
    }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int result = 2;
    if (argc == 3 && std::wcscmp(argv[1], L"listen") == 0)
        result = Listen(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
    else if (argc >= 2 && std::wcscmp(argv[1], L"read") == 0)
        result = ReadWindows(argc - 2, argv + 2);
    CoUninitialize();
    return result;
}
