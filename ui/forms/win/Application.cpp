// SPDX-License-Identifier: MIT
// The program on Windows: the message loop, its end, and timers.
#include "Native.h"

#include <algorithm>
#include <set>

#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/Platform.h"
#include "forms/Timer.h"

namespace forms {

namespace {

std::set<const Timer*>& LiveTimers() {
    static std::set<const Timer*> timers;
    return timers;
}

// Timers finer than the system's tick (15.6 ms on many machines) ask for a
// 1 ms tick while they run.
constexpr int kFineInterval = 16;

// Asks for the 1 ms tick, or gives it back, through winmm, loaded from the
// system folder the first time: a program whose timers are coarse never loads it.
bool FineTick(bool wanted) {
    using Period = UINT(WINAPI*)(UINT);
    static const HMODULE winmm =
        LoadLibraryExW(L"winmm.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const auto call = winmm ? reinterpret_cast<Period>(reinterpret_cast<void*>(GetProcAddress(
                                  winmm, wanted ? "timeBeginPeriod" : "timeEndPeriod")))
                            : nullptr;
    return call && call(1) == 0; // TIMERR_NOERROR
}

void StartTimer(NativeTimer& timer, int interval) {
    if (timer.running)
        return;
    timer.fine = interval < kFineInterval && FineTick(true);
    timer.running =
        SetTimer(timer.hwnd, timer.id, static_cast<UINT>(std::max(interval, 1)), nullptr) != 0;
}

void StopTimer(NativeTimer& timer) {
    if (timer.running)
        KillTimer(timer.hwnd, timer.id);
    if (timer.fine)
        FineTick(false);
    timer.running = false;
    timer.fine = false;
}

} // namespace

void PreparePlatform() {
    // Measured in the monitor's own pixels, as the application manifest says
    // too; a program started without it asks here. Looked up, not linked:
    // Windows 10 has it from version 1703, and the program starts on 1607,
    // where the manifest's per-monitor awareness holds.
    using SetAwareness = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
    const auto set = reinterpret_cast<SetAwareness>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
    if (set)
        set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
}

namespace platform {

int RunProgram(Form& first, const std::function<void()>& shown) {
    first.Show();
    if (shown)
        shown();
    const int result = win::RunMessageLoop();
    win::DestroyWindows();
    return result;
}

void EndProgram() {
    for (const Timer* timer : std::vector<const Timer*>(LiveTimers().begin(), LiveTimers().end()))
        const_cast<Timer*>(timer)->SetEnabled(false);
    for (Form* form : LiveWindows())
        ShowWindow(form->Native().hwnd, SW_HIDE);
    PostQuitMessage(0);
}

} // namespace platform

namespace win {

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

bool ProcessPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            return false;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return !Ended();
}

void DestroyWindows() {
    while (!LiveWindows().empty())
        delete LiveWindows().back();
}

HWND Handle(const Control& control) {
    return control.Native().hwnd;
}

HWND Handle(const Form& form) {
    return form.Native().hwnd;
}

void TimerTicked(UINT_PTR id) {
    const auto* timer = reinterpret_cast<const Timer*>(id);
    if (LiveTimers().count(timer))
        timer->Tick.Raise();
}

} // namespace win

void NativeTimerDeleter::operator()(NativeTimer* native) const {
    StopTimer(*native);
    LiveTimers().erase(native->owner);
    delete native;
}

std::unique_ptr<NativeTimer, NativeTimerDeleter> platform::NewTimer(Timer& timer, Form& owner) {
    std::unique_ptr<NativeTimer, NativeTimerDeleter> native(new NativeTimer);
    native->owner = &timer;
    native->hwnd = owner.Native().hwnd;
    native->id = reinterpret_cast<UINT_PTR>(&timer);
    LiveTimers().insert(&timer);
    return native;
}

void platform::RunTimer(Timer& timer, bool running) {
    if (running)
        StartTimer(timer.Native(), timer.Interval());
    else
        StopTimer(timer.Native());
}

} // namespace forms
