// SPDX-License-Identifier: MIT
// The window procedures: what windows, frames, labels and buttons do with
// the messages Windows sends them, and the events they raise from them.
#include <algorithm>

#include "Accessible.h"
#include "Dpi.h"
#include "HighContrast.h"
#include "Native.h"
#include "forms/CommandButton.h"
#include "forms/Focus.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/Timer.h"
#include "forms/Twips.h"

namespace forms::win {

namespace {

POINT At(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// Clicks: a left press and its release inside the same window. True when
// the message completes one; a press (or a quick second press) captures the
// mouse until the release.
bool Clicked(NativeWidget& native, UINT message, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        native.pressed = true;
        SetCapture(native.hwnd);
        return false;
    case WM_LBUTTONUP: {
        if (!native.pressed)
            return false;
        native.pressed = false;
        ReleaseCapture();
        RECT client;
        GetClientRect(native.hwnd, &client);
        const POINT at = At(lParam);
        return PtInRect(&client, at) != FALSE;
    }
    case WM_CAPTURECHANGED:
        native.pressed = false;
        return false;
    default:
        return false;
    }
}

bool IsClickMessage(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_LBUTTONUP;
}

// What a window and a frame do alike: paint their face, with what they hold
// drawn on it, and take clicks. True when the message was one of those.
bool Surface(NativeContainer& native, UINT message, LPARAM lParam, const Event<>& click,
             LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(native.hwnd, &paint);
        PaintContainer(native, dc, POINT{0, 0}, paint.rcPaint);
        EndPaint(native.hwnd, &paint);
        return true;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (Clicked(native, message, lParam))
            click.Raise();
        return true;
    default:
        return false;
    }
}

// A window's key press (a typed character).
void KeyTyped(Form& form, wchar_t character) {
    form.KeyPress.Raise(static_cast<int>(character));
}

// The button was pressed (mouse, Space, Return): Click, then the focus settles.
void ButtonClicked(NativeWidget& button) {
    static_cast<CommandButton&>(*button.control).Click.Raise();
    SettleFocus(*button.form, button.control);
}

int MouseButtons(WPARAM wParam) {
    return (wParam & MK_LBUTTON ? kLeftButton : 0) | (wParam & MK_RBUTTON ? kRightButton : 0) |
           (wParam & MK_MBUTTON ? kMiddleButton : 0);
}

int ShiftKeys(WPARAM wParam) {
    return (wParam & MK_SHIFT ? kShiftMask : 0) | (wParam & MK_CONTROL ? kCtrlMask : 0) |
           (GetKeyState(VK_MENU) < 0 ? kAltMask : 0);
}

void SetPushed(NativeWidget& native, bool pushed) {
    CallWindowProcW(native.baseProc, native.hwnd, BM_SETSTATE, pushed ? TRUE : FALSE, 0);
}

LRESULT ButtonMessage(NativeWidget& native, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& button = static_cast<CommandButton&>(*native.control);
    auto& state = As<NativeButton>(native);
    switch (message) {
    case WM_LBUTTONDBLCLK:
        // A quick second click is a click like the first.
        message = WM_LBUTTONDOWN;
        break;
    case WM_MOUSEMOVE: {
        const POINT at = At(lParam);
        const UINT dpi = DpiOf(native);
        button.MouseMove.Raise(MouseButtons(wParam), ShiftKeys(wParam), TwipsAt(at.x, dpi),
                               TwipsAt(at.y, dpi));
        break;
    }
    case WM_SETFOCUS: {
        const LRESULT result =
            CallWindowProcW(native.baseProc, native.hwnd, message, wParam, lParam);
        button.GotFocus.Raise();
        return result;
    }
    case WM_KILLFOCUS:
        if (state.spaceDown) {
            state.spaceDown = false;
            SetPushed(native, false);
        }
        break;
    case WM_KEYDOWN:
        // A hidden button takes no key.
        if (!Shown(native))
            return 0;
        if (wParam == VK_SPACE) {
            if (!state.spaceDown) {
                state.spaceDown = true;
                SetPushed(native, true);
            }
            return 0;
        }
        if (wParam == VK_RETURN) {
            // Return, and Enter on the keypad, with no shift key held.
            if (GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0 &&
                GetKeyState(VK_SHIFT) >= 0)
                ButtonClicked(native);
            return 0;
        }
        if (wParam == VK_TAB) {
            Tab(*native.form, GetKeyState(VK_SHIFT) >= 0);
            return 0;
        }
        break;
    case WM_KEYUP:
        if (wParam == VK_SPACE && state.spaceDown) {
            state.spaceDown = false;
            SetPushed(native, false);
            if (Shown(native))
                ButtonClicked(native);
            return 0;
        }
        break;
    case WM_CHAR:
        // The keys a button uses are its own; others reach its window.
        if (wParam != L' ' && wParam != L'\r' && wParam != L'\n' && wParam != L'\t')
            KeyTyped(*native.form, static_cast<wchar_t>(wParam));
        return 0;
    case WM_GETDLGCODE:
        return DLGC_BUTTON | DLGC_WANTALLKEYS;
    default:
        break;
    }
    return CallWindowProcW(native.baseProc, native.hwnd, message, wParam, lParam);
}

LRESULT LabelMessage(NativeWidget& native, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsClickMessage(message)) {
        if (Clicked(native, message, lParam))
            static_cast<Label&>(*native.control).Click.Raise();
        return 0;
    }
    switch (message) {
    case WM_PAINT:
        PaintLabel(native);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETTEXT:
        return DefWindowProcW(native.hwnd, message, wParam, lParam);
    case WM_CAPTURECHANGED:
        Clicked(native, message, lParam);
        break;
    default:
        break;
    }
    return CallWindowProcW(native.baseProc, native.hwnd, message, wParam, lParam);
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
    auto& window = As<NativeForm>(*native);
    LRESULT result = 0;
    if (ContainerMessage(message, wParam, lParam, result) ||
        Surface(window, message, lParam, form->Click, result))
        return result;
    switch (message) {
    case WM_CHAR:
        KeyTyped(*form, static_cast<wchar_t>(wParam));
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_TAB) {
            Tab(*form, GetKeyState(VK_SHIFT) >= 0);
            return 0;
        }
        break;
    case WM_TIMER:
        TimerTicked(wParam);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd, focus))
                window.focus = focus;
        } else if (!HIWORD(wParam)) {
            GiveFocus(*form);
            if (!window.pendingAnnouncement.empty())
                PostMessageW(hwnd, kSayPending, 0, 0);
        }
        return 0;
    case kSayPending:
        // Posted: by now the handler that announced has returned and the
        // focus has settled, and screen readers have been told where it is.
        if (window.liveText && !window.pendingAnnouncement.empty() && GetActiveWindow() == hwnd) {
            SayLive(window.liveText, window.pendingAnnouncement);
            window.pendingAnnouncement.clear();
        }
        return 0;
    case WM_GETOBJECT:
        if (AnswerGetObject(hwnd, AccessibleRole::Window, wParam, lParam, result))
            return result;
        break;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
        // High contrast turned on or off, or the system's colours changed.
        SettingsChanged();
        if (message == WM_SYSCOLORCHANGE || wParam == SPI_SETHIGHCONTRAST) {
            if (message == WM_SYSCOLORCHANGE)
                form->SystemColorsChange.Raise();
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            return 0;
        }
        break;
    case WM_GETDPISCALEDSIZE:
        *reinterpret_cast<SIZE*>(lParam) = OuterSizeAt(*form, static_cast<UINT>(wParam));
        return TRUE;
    case WM_DPICHANGED:
        ChangeDpi(*form, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        // Windows live on the heap: a window that closes goes with its state.
        CloseWindow(*form, [form] { delete form; });
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
    if (ContainerMessage(message, wParam, lParam, result) ||
        Surface(As<NativeContainer>(*native), message, lParam,
                static_cast<Frame&>(*native->control).Click, result))
        return result;
    if (message == WM_GETOBJECT &&
        AnswerGetObject(hwnd, AccessibleRole::Window, wParam, lParam, result))
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

} // namespace

const wchar_t* FormClass() {
    static const wchar_t* name = Register(L"VelkaroWindow", FormProc);
    return name;
}

const wchar_t* FrameClass() {
    static const wchar_t* name = Register(L"VelkaroFrame", FrameProc);
    return name;
}

LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    NativeWidget* native = NativeWidget::Of(hwnd);
    if (!native || !native->control)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    const bool button = native->kind == NativeWidget::Kind::Button;
    if (LRESULT result = 0;
        message == WM_GETOBJECT &&
        AnswerGetObject(hwnd, button ? AccessibleRole::PushButton : AccessibleRole::StaticText,
                        wParam, lParam, result))
        return result;
    if (button)
        return ButtonMessage(*native, message, wParam, lParam);
    return LabelMessage(*native, message, wParam, lParam);
}

bool ContainerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
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
        // A change of focus or press on a button about to be painted whole
        // (a window being shown) waits for that paint.
        const bool painting =
            item.itemAction != ODA_DRAWENTIRE && GetUpdateRect(item.hwndItem, nullptr, FALSE);
        if (button && button->kind == NativeWidget::Kind::Button && button->control && !painting)
            DrawButton(*button, item);
        result = TRUE;
        return true;
    }
    return false;
}

} // namespace forms::win
