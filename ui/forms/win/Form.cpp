// SPDX-License-Identifier: MIT
// Windows, timers, the keyboard focus and the message loop on Windows.
#include "Native.h"

#include <mmsystem.h>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "forms/Application.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Timer.h"
#include "forms/Twips.h"

namespace forms {

// The platform's side of a window's events.
struct FormEvents {
    static void Close(Form& form);
};

namespace {

std::vector<Form*>& LiveForms() {
    static std::vector<Form*> forms;
    return forms;
}

std::set<const Timer*>& LiveTimers() {
    static std::set<const Timer*> timers;
    return timers;
}

bool gEnded = false;

// Timers finer than the system's tick (15.6 ms on many machines) ask for a
// 1 ms tick while they run.
constexpr int kFineInterval = 16;

void StartTimer(NativeTimer& timer, int interval) {
    if (timer.running)
        return;
    timer.fine = interval < kFineInterval && timeBeginPeriod(1) == TIMERR_NOERROR;
    timer.running =
        SetTimer(timer.hwnd, timer.id, static_cast<UINT>(std::max(interval, 1)), nullptr) != 0;
}

void StopTimer(NativeTimer& timer) {
    if (timer.running)
        KillTimer(timer.hwnd, timer.id);
    if (timer.fine)
        timeEndPeriod(1);
    timer.running = false;
    timer.fine = false;
}

DWORD Style(BorderStyle border) {
    switch (border) {
    case BorderStyle::FixedSingle:
        // Title bar with the caption and the close box; no minimise, no
        // maximise, no sizing edge.
        return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case BorderStyle::FixedDialogNoTitle:
        // The raised dialog frame alone: no title bar, no system menu.
        return WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN;
    }
    return WS_OVERLAPPEDWINDOW;
}

DWORD ExStyle(BorderStyle border) {
    // A tool window is kept out of the taskbar.
    return border == BorderStyle::FixedDialogNoTitle ? WS_EX_TOOLWINDOW : 0;
}

Control* ControlOf(HWND hwnd) {
    NativeWidget* native = hwnd ? NativeWidget::Of(hwnd) : nullptr;
    return native ? native->control : nullptr;
}

void GiveFocus(Form& form) {
    NativeWidget& native = form.Native();
    if (Control* wanted = ControlOf(native.focus);
        wanted && IsWindow(native.focus) && win::CanTakeFocus(*wanted)) {
        SetFocus(native.focus);
        return;
    }
    for (Control* control : native.tabOrder)
        if (win::CanTakeFocus(*control)) {
            SetFocus(control->Native().hwnd);
            return;
        }
    SetFocus(native.hwnd);
}

// Clicks: a left press and its release inside the same window.
bool Clicked(NativeWidget& native, UINT message, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) {
        native.pressed = true;
        SetCapture(native.hwnd);
        return false;
    }
    if (message != WM_LBUTTONUP || !native.pressed)
        return false;
    native.pressed = false;
    ReleaseCapture();
    RECT client;
    GetClientRect(native.hwnd, &client);
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return PtInRect(&client, at) && !win::Ended();
}

// What a window and a frame do alike: paint their face, with what they hold
// drawn on it, and take clicks. True when the message was one of those.
bool Surface(NativeWidget& native, UINT message, LPARAM lParam, const Event<>& click,
             LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(native.hwnd, &paint);
        win::PaintContainer(native, dc, POINT{0, 0}, paint.rcPaint);
        EndPaint(native.hwnd, &paint);
        return true;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        if (Clicked(native, message, lParam))
            click.Raise();
        return true;
    case WM_CAPTURECHANGED:
        native.pressed = false;
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* native = static_cast<NativeWidget*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        native->hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(native));
    }
    NativeWidget* native = NativeWidget::Of(hwnd);
    Form* form = native ? native->form : nullptr;
    if (!form)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    if (win::ContainerMessage(hwnd, message, wParam, lParam, result) ||
        Surface(*native, message, lParam, form->Click, result))
        return result;
    switch (message) {
    case WM_CHAR:
        win::KeyTyped(*form, static_cast<wchar_t>(wParam));
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_TAB) {
            win::MoveFocus(*form, GetKeyState(VK_SHIFT) >= 0);
            return 0;
        }
        break;
    case WM_TIMER: {
        const auto* timer = reinterpret_cast<const Timer*>(wParam);
        if (LiveTimers().count(timer) && !win::Ended())
            timer->Tick.Raise();
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd, focus))
                native->focus = focus;
        } else if (!HIWORD(wParam)) {
            GiveFocus(*form);
        }
        return 0;
    case WM_SYSCOLORCHANGE:
        if (!win::Ended())
            form->SystemColorsChange.Raise();
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return 0;
    case WM_DPICHANGED:
        // The windows keep the size they were laid out at.
        return 0;
    case WM_CLOSE:
        FormEvents::Close(*form);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    NativeWidget* native = NativeWidget::Of(hwnd);
    if (!native || !native->control)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    if (win::ContainerMessage(hwnd, message, wParam, lParam, result) ||
        Surface(*native, message, lParam, static_cast<Frame&>(*native->control).Click, result))
        return result;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

const wchar_t* Register(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) ? name : nullptr;
}

// The darker shade of a colour, as a frame's inner edge is drawn.
Color Darker(Color color) {
    const auto shade = [](std::uint8_t c) { return static_cast<std::uint8_t>(c * 100 / 160); };
    return {shade(color.red), shade(color.green), shade(color.blue)};
}

void Outline(HDC dc, const RECT& box, Color color) {
    HPEN pen = CreatePen(PS_SOLID, 1, win::Ref(color));
    HGDIOBJ old = SelectObject(dc, pen);
    const POINT corners[5] = {{box.left, box.top},
                              {box.right, box.top},
                              {box.right, box.bottom},
                              {box.left, box.bottom},
                              {box.left, box.top}};
    Polyline(dc, corners, 5);
    SelectObject(dc, old);
    DeleteObject(pen);
}

} // namespace

// --- The native widget ----------------------------------------------------------------------

NativeWidget::NativeWidget(Kind kind, NativeWidget* container)
    : kind(kind)
    , container(container)
    , top(container ? container->top : this) {}

NativeWidget::~NativeWidget() {
    if (hwnd) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (baseProc)
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(baseProc));
        DestroyWindow(hwnd);
    }
    if (bigIcon)
        DestroyIcon(bigIcon);
    if (smallIcon)
        DestroyIcon(smallIcon);
}

NativeWidget* NativeWidget::Of(HWND hwnd) {
    return reinterpret_cast<NativeWidget*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

namespace win {

std::wstring Wide(std::string_view text) {
    if (text.empty())
        return {};
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string Narrow(std::wstring_view text) {
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size,
                        nullptr, nullptr);
    return narrow;
}

COLORREF Ref(Color color) {
    return RGB(color.red, color.green, color.blue);
}

const wchar_t* FormClass() {
    static const wchar_t* name = Register(L"VelkaroWindow", FormProc);
    return name;
}

const wchar_t* FrameClass() {
    static const wchar_t* name = Register(L"VelkaroFrame", FrameProc);
    return name;
}

void PaintContainer(NativeWidget& container, HDC dc, POINT offset, const RECT& area) {
    POINT oldOrigin;
    SetViewportOrgEx(dc, -offset.x, -offset.y, &oldOrigin);
    RECT client;
    GetClientRect(container.hwnd, &client);
    RECT fill = area;
    OffsetRect(&fill, offset.x, offset.y);
    IntersectRect(&fill, &fill, &client);
    HBRUSH brush = CreateSolidBrush(Ref(container.back));
    FillRect(dc, &fill, brush);
    DeleteObject(brush);

    if (container.kind == NativeWidget::Kind::Frame && container.hasFore) {
        // An etched edge: the frame's colour with a darker line inside it.
        const RECT box{0, 0, client.right - 1, client.bottom - 1};
        Outline(dc, RECT{box.left, box.top, box.right - 1, box.bottom - 1}, Darker(container.fore));
        Outline(dc, RECT{box.left + 1, box.top + 1, box.right, box.bottom}, container.fore);
    }
    for (const NativeWidget* line : container.lines) {
        const COLORREF colour =
            line->hasLineColor ? Ref(line->lineColor) : GetSysColor(COLOR_WINDOWTEXT);
        LOGBRUSH pattern{BS_SOLID, colour, 0};
        HPEN pen =
            ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT,
                         static_cast<DWORD>(std::max(1, line->lineWidth)), &pattern, 0, nullptr);
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, ToPixelsX(line->x1), ToPixelsY(line->y1), nullptr);
        LineTo(dc, ToPixelsX(line->x2), ToPixelsY(line->y2));
        SelectObject(dc, old);
        DeleteObject(pen);
    }
    SetViewportOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
}

bool ContainerMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam) {
        NativeWidget* button = NativeWidget::Of(reinterpret_cast<HWND>(lParam));
        if (button && button->kind == NativeWidget::Kind::Button && button->control)
            ButtonClicked(*button);
        result = 0;
        return true;
    }
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        NativeWidget* button = NativeWidget::Of(item.hwndItem);
        if (button && button->kind == NativeWidget::Kind::Button && button->control)
            DrawButton(*button, item);
        result = TRUE;
        return true;
    }
    return false;
}

void KeyTyped(Form& form, wchar_t character) {
    if (!Ended())
        form.KeyPress.Raise(static_cast<int>(character));
}

void ButtonClicked(NativeWidget& button) {
    if (Ended())
        return;
    Control* control = button.control;
    Form& form = *button.form;
    static_cast<CommandButton&>(*control).Click.Raise();
    if (!Ended())
        SettleFocus(form, control);
}

bool CanTakeFocus(const Control& control) {
    const NativeWidget& native = control.Native();
    if (native.kind != NativeWidget::Kind::Button || !IsWindowEnabled(native.hwnd))
        return false;
    // Shown, and so are the containers it stands in (the window aside).
    for (HWND hwnd = native.hwnd; hwnd && hwnd != native.top->hwnd; hwnd = GetParent(hwnd))
        if (!(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE))
            return false;
    return true;
}

void SettleFocus(Form& form, Control* after) {
    NativeWidget& native = form.Native();
    if (!IsWindowVisible(native.hwnd))
        return;
    HWND focus = GetFocus();
    if (Control* focused = focus && IsChild(native.hwnd, focus) ? ControlOf(focus) : nullptr;
        focused && CanTakeFocus(*focused))
        return;
    const auto& order = native.tabOrder;
    const auto at = std::find(order.begin(), order.end(), after);
    const std::size_t start =
        at == order.end() ? order.size() - 1 : std::size_t(at - order.begin());
    for (std::size_t step = 1; step <= order.size(); ++step) {
        Control* next = order[(start + step) % order.size()];
        if (CanTakeFocus(*next)) {
            SetFocus(next->Native().hwnd);
            return;
        }
    }
}

void MoveFocus(Form& form, bool forward) {
    const auto& order = form.Native().tabOrder;
    if (order.empty())
        return;
    const auto at = std::find(order.begin(), order.end(), ControlOf(GetFocus()));
    const std::size_t size = order.size();
    std::size_t index =
        at == order.end() ? (forward ? size - 1 : 0) : std::size_t(at - order.begin());
    for (std::size_t step = 1; step <= size; ++step) {
        index = forward ? (index + 1) % size : (index + size - 1) % size;
        if (CanTakeFocus(*order[index])) {
            SetFocus(order[index]->Native().hwnd);
            return;
        }
    }
}

bool Ended() {
    return gEnded;
}

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
    return !gEnded;
}

void Restart() {
    gEnded = false;
}

void DestroyWindows() {
    while (!LiveForms().empty())
        delete LiveForms().back();
}

HWND Handle(const Control& control) {
    return control.Native().hwnd;
}

HWND Handle(const Form& form) {
    return form.Native().hwnd;
}

} // namespace win

// --- Form -----------------------------------------------------------------------------------

Form::Form(BorderStyle border, float clientWidth, float clientHeight)
    : border_(border)
    , clientWidth_(clientWidth)
    , clientHeight_(clientHeight)
    , native_(std::make_unique<NativeWidget>(NativeWidget::Kind::Form, nullptr)) {
    native_->form = this;
    const UINT dpi = win::Dpi();
    RECT outer{0, 0, ToPixelsX(clientWidth), ToPixelsY(clientHeight)};
    AdjustWindowRectExForDpi(&outer, Style(border), FALSE, ExStyle(border), dpi);
    const wchar_t* windowClass = win::FormClass();
    if (!windowClass ||
        !CreateWindowExW(ExStyle(border), windowClass, L"", Style(border), 0, 0,
                         outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                         GetModuleHandleW(nullptr), native_.get()))
        throw std::runtime_error("a window could not be made");
    native_->back = ButtonFace();
    LiveForms().push_back(this);
}

Form::~Form() {
    auto& forms = LiveForms();
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

void Form::SetName(std::string_view name) {
    name_ = name;
}

void Form::SetCaption(std::string_view caption) {
    caption_ = caption;
    SetWindowTextW(native_->hwnd, win::Wide(caption).c_str());
}

// The window's text is its name for screen readers; a window without a
// caption shows no title bar, so the text shows nowhere.
void Form::SetSpokenName(std::string_view name) {
    if (caption_.empty())
        SetWindowTextW(native_->hwnd, win::Wide(name).c_str());
}

// A hidden text of the window takes the words as its new name, which screen
// readers that follow name changes say.
void Form::Announce(std::string_view text) {
    NativeWidget& native = *native_;
    if (!native.announcer)
        native.announcer =
            CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_LEFT, 0, 0, 0, 0, native.hwnd, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (!native.announcer)
        return;
    SetWindowTextW(native.announcer, win::Wide(text).c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, native.announcer, OBJID_CLIENT, CHILDID_SELF);
}

void Form::Place() {
    SetWindowPos(native_->hwnd, nullptr, ToPixelsX(left_), ToPixelsY(top_), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

float Form::OuterWidth() const {
    RECT box;
    GetWindowRect(native_->hwnd, &box);
    return ToTwipsX(box.right - box.left);
}

float Form::OuterHeight() const {
    RECT box;
    GetWindowRect(native_->hwnd, &box);
    return ToTwipsY(box.bottom - box.top);
}

void Form::SetBackColor(Color color) {
    native_->back = color;
    RedrawWindow(native_->hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

Color Form::ButtonFace() const {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return {GetRValue(face), GetGValue(face), GetBValue(face)};
}

void Form::SetIcon(std::string_view name) {
    // The picture of that name, and its 16-pixel drawing where there is one.
    const win::Pixels* big = win::PictureNamed(name);
    const win::Pixels* small = win::PictureNamed(std::string(name) + "16");
    if (!big)
        return;
    native_->bigIcon = win::IconFrom(*big);
    native_->smallIcon = win::IconFrom(small ? *small : *big);
    SendMessageW(native_->hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(native_->bigIcon));
    SendMessageW(native_->hwnd, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(native_->smallIcon));
}

void Form::SetTabOrder(std::initializer_list<Control*> controls) {
    native_->tabOrder.assign(controls.begin(), controls.end());
}

void Form::Show() {
    ShowWindow(native_->hwnd, SW_SHOW);
    SetForegroundWindow(native_->hwnd);
    if (GetActiveWindow() == native_->hwnd && !IsChild(native_->hwnd, GetFocus()))
        GiveFocus(*this);
    UpdateWindow(native_->hwnd);
}

bool Form::Visible() const {
    return IsWindowVisible(native_->hwnd) != FALSE;
}

void Form::Close() {
    SendMessageW(native_->hwnd, WM_CLOSE, 0, 0);
}

void Form::Form_Unload(int&) {}

void FormEvents::Close(Form& form) {
    if (win::Ended())
        return;
    int cancel = 0;
    form.Form_Unload(cancel);
    if (cancel)
        return;
    // With no window left the program has nothing more to do.
    const auto& forms = LiveForms();
    const bool anotherShown = std::any_of(forms.begin(), forms.end(), [&form](const Form* other) {
        return other != &form && other->Visible();
    });
    // Windows live on the heap: a window that closes goes with its state.
    delete &form;
    if (!anotherShown)
        End();
}

// --- Timer ----------------------------------------------------------------------------------

Timer::Timer(Form& owner, int intervalMs, bool enabled)
    : native_(std::make_unique<NativeTimer>())
    , interval_(intervalMs)
    , enabled_(enabled) {
    native_->hwnd = owner.Native().hwnd;
    native_->id = reinterpret_cast<UINT_PTR>(this);
    LiveTimers().insert(this);
    if (enabled)
        StartTimer(*native_, interval_);
}

Timer::~Timer() {
    StopTimer(*native_);
    LiveTimers().erase(this);
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled)
        StartTimer(*native_, interval_);
    else
        StopTimer(*native_);
}

// --- The program ----------------------------------------------------------------------------

void PreparePlatform() {
    // Measured in the monitor's own pixels, as the application manifest says
    // too; a program started without it asks here.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
}

void End() {
    if (gEnded)
        return;
    gEnded = true;
    for (const Timer* timer : std::vector<const Timer*>(LiveTimers().begin(), LiveTimers().end()))
        const_cast<Timer*>(timer)->SetEnabled(false);
    for (Form* form : LiveForms())
        ShowWindow(form->Native().hwnd, SW_HIDE);
    PostQuitMessage(0);
}

} // namespace forms
