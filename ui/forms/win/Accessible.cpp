// SPDX-License-Identifier: MIT
#include "Accessible.h"

#include <oleacc.h>

#include <string>

#include "Native.h"

namespace forms::win {

namespace {

// The accessibility libraries, and COM itself, loaded when a screen reader
// first asks.
struct Libraries {
    using CreateInstance = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
    using CreateStd = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
    using FromObject = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    using AllocString = BSTR(WINAPI*)(const OLECHAR*);
    using FreeString = void(WINAPI*)(BSTR);
    CreateInstance createInstance = nullptr;
    CreateStd createStd = nullptr;
    FromObject fromObject = nullptr;
    AllocString allocString = nullptr;
    FreeString freeString = nullptr;
};

template <typename F> F Function(HMODULE module, const char* name) {
    return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                  : nullptr;
}

bool gAsked = false;

const Libraries* Load() {
    static const Libraries libraries = [] {
        Libraries found;
        HMODULE ole32 = LoadLibraryW(L"ole32.dll");
        if (const auto initialize =
                Function<HRESULT(WINAPI*)(LPVOID, DWORD)>(ole32, "CoInitializeEx"))
            initialize(nullptr, COINIT_APARTMENTTHREADED);
        found.createInstance = Function<Libraries::CreateInstance>(ole32, "CoCreateInstance");
        HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
        HMODULE oleaut = LoadLibraryW(L"oleaut32.dll");
        found.createStd = Function<Libraries::CreateStd>(oleacc, "CreateStdAccessibleObject");
        found.fromObject = Function<Libraries::FromObject>(oleacc, "LresultFromObject");
        found.allocString = Function<Libraries::AllocString>(oleaut, "SysAllocString");
        found.freeString = Function<Libraries::FreeString>(oleaut, "SysFreeString");
        return found;
    }();
    return libraries.createStd && libraries.fromObject && libraries.allocString ? &libraries
                                                                                : nullptr;
}

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), int(text.size()))));
    return text;
}

bool Self(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The system's object for the window's client area, with the role, name and
// description a screen reader needs; everything else is the system's.
class Accessible final : public IAccessible {
public:
    Accessible(HWND hwnd, AccessibleRole role, IAccessible* system, const Libraries& libraries)
        : hwnd_(hwnd)
        , role_(role)
        , system_(system)
        , libraries_(libraries) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object)
            return E_POINTER;
        if (id == IID_IUnknown || id == IID_IDispatch || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // The children's enumeration and the window behind the object.
        return system_->QueryInterface(id, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const long left = --references_;
        if (left == 0) {
            system_->Release();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch: the system's.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return system_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return system_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return system_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* wrong) override {
        return system_->Invoke(member, id, locale, flags, parameters, result, exception, wrong);
    }

    // IAccessible: the role, the name, the description and the state are the layer's.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!Self(child))
            return system_->get_accName(child, name);
        if (!name)
            return E_POINTER;
        *name = nullptr;
        if (!IsWindow(hwnd_))
            return E_FAIL;
        return Answer(WindowText(hwnd_), name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (!Self(child))
            return system_->get_accDescription(child, description);
        if (!description)
            return E_POINTER;
        *description = nullptr;
        const NativeWidget* native = IsWindow(hwnd_) ? NativeWidget::Of(hwnd_) : nullptr;
        if (!native || native->kind != NativeWidget::Kind::Button)
            return S_FALSE;
        return Answer(Wide(static_cast<const NativeButton&>(*native).description), description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!Self(child))
            return system_->get_accRole(child, role);
        if (!role)
            return E_POINTER;
        role->vt = VT_I4;
        role->lVal = role_ == AccessibleRole::PushButton   ? ROLE_SYSTEM_PUSHBUTTON
                     : role_ == AccessibleRole::StaticText ? ROLE_SYSTEM_STATICTEXT
                                                           : ROLE_SYSTEM_WINDOW;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = system_->get_accState(child, state);
        if (Self(child) && SUCCEEDED(result) && state && state->vt == VT_I4) {
            if (role_ == AccessibleRole::PushButton)
                state->lVal |= STATE_SYSTEM_FOCUSABLE;
            else if (role_ == AccessibleRole::StaticText)
                state->lVal |= STATE_SYSTEM_READONLY;
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!Self(child) || role_ != AccessibleRole::PushButton)
            return system_->accDoDefaultAction(child);
        // Pressed as a click would press it, once the reader's call is over.
        return PostMessageW(hwnd_, BM_CLICK, 0, 0) ? S_OK : E_FAIL;
    }

    // The rest: the system's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return system_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return system_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return system_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return system_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return system_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return system_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return system_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return system_->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return system_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return system_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return system_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return system_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return system_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return system_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return system_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return system_->put_accValue(child, value);
    }

private:
    ~Accessible() = default;

    // A text given to a reader; S_FALSE where there is none.
    HRESULT Answer(const std::wstring& text, BSTR* out) const {
        if (text.empty())
            return S_FALSE;
        *out = libraries_.allocString(text.c_str());
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    long references_ = 1;
    HWND hwnd_;
    AccessibleRole role_;
    IAccessible* system_;
    const Libraries& libraries_;
};

// The live setting of a live text, which UI Automation, and Narrator through
// it, reads; given once a reader asks. False where it could not be given.
bool GiveLiveSetting(HWND liveText) {
    static const GUID kLiveSetting = {
        0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
    constexpr long kPolite = 1;
    // Spelled out: oleacc's import library has names of its own for them.
    static const CLSID kServices = {
        0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
    static const IID kServicesInterface = {
        0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
    const Libraries* libraries = Load();
    IAccPropServices* services = nullptr;
    if (!libraries || !libraries->createInstance ||
        FAILED(libraries->createInstance(kServices, nullptr, CLSCTX_INPROC_SERVER,
                                         kServicesInterface, reinterpret_cast<void**>(&services))))
        return false;
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    const HRESULT result =
        services->SetHwndProp(liveText, OBJID_CLIENT, CHILDID_SELF, kLiveSetting, polite);
    services->Release();
    return result == S_OK;
}

// Whether each live text has its live setting: kept as a window property.
constexpr wchar_t kLiveSettingGiven[] = L"VelkaroLiveSetting";

// 2 where the live text has its live setting, 1 where it could not be given.
INT_PTR LiveSettingOf(HWND liveText) {
    if (!GetPropW(liveText, kLiveSettingGiven) && Load())
        SetPropW(liveText, kLiveSettingGiven,
                 reinterpret_cast<HANDLE>(static_cast<INT_PTR>(GiveLiveSetting(liveText) ? 2 : 1)));
    return reinterpret_cast<INT_PTR>(GetPropW(liveText, kLiveSettingGiven));
}

LRESULT CALLBACK LiveTextProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT) {
        LRESULT result = 0;
        gAsked = true;
        LiveSettingOf(hwnd);
        if (AnswerGetObject(hwnd, AccessibleRole::StaticText, wParam, lParam, result))
            return result;
    }
    if (message == WM_NCDESTROY)
        RemovePropW(hwnd, kLiveSettingGiven);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

const wchar_t* LiveTextClass() {
    static const wchar_t* name = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = LiveTextProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VelkaroLiveText";
        return RegisterClassExW(&windowClass) ? windowClass.lpszClassName : nullptr;
    }();
    return name;
}

// UI Automation's notification (Windows 10 1709 and later), looked up when
// first wanted; Wine has it as a stub.
void Notify(HWND liveText, const std::wstring& text) {
    using HostProvider = HRESULT(WINAPI*)(HWND, IUnknown**);
    using RaiseNotification = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);
    static HMODULE automation = LoadLibraryW(L"uiautomationcore.dll");
    static const auto host = Function<HostProvider>(automation, "UiaHostProviderFromHwnd");
    static const auto raise = Function<RaiseNotification>(automation, "UiaRaiseNotificationEvent");
    const Libraries* libraries = Load();
    IUnknown* provider = nullptr;
    if (!host || !raise || !libraries || FAILED(host(liveText, &provider)) || !provider)
        return;
    constexpr int kActionCompleted = 2, kImportantMostRecent = 1;
    BSTR said = libraries->allocString(text.c_str());
    BSTR activity = libraries->allocString(L"Velkaro.Announcement");
    raise(provider, kActionCompleted, kImportantMostRecent, said, activity);
    libraries->freeString(said);
    libraries->freeString(activity);
    provider->Release();
}

} // namespace

bool AnswerGetObject(HWND hwnd, AccessibleRole role, WPARAM wParam, LPARAM lParam,
                     LRESULT& result) {
    gAsked = true;
    if (static_cast<LONG>(lParam) != OBJID_CLIENT)
        return false;
    const Libraries* libraries = Load();
    IAccessible* system = nullptr;
    if (!libraries || FAILED(libraries->createStd(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                                  reinterpret_cast<void**>(&system))))
        return false;
    auto* object = new Accessible(hwnd, role, system, *libraries);
    result = libraries->fromObject(__uuidof(IAccessible), wParam, object);
    object->Release();
    return true;
}

bool ReaderAsked() {
    return gAsked;
}

HWND MakeLiveText(HWND window) {
    // Shown, so that readers take it as part of the window, but with no size.
    const wchar_t* windowClass = LiveTextClass();
    return windowClass ? CreateWindowExW(0, windowClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                         window, nullptr, GetModuleHandleW(nullptr), nullptr)
                       : nullptr;
}

void SayLive(HWND liveText, std::string_view text) {
    const std::wstring words = Wide(text);
    // Until a reader has asked for an object, nothing is loaded to say it.
    const bool settingGiven = !ReaderAsked() || LiveSettingOf(liveText) == 2;
    SetWindowTextW(liveText, words.c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, liveText, OBJID_CLIENT, CHILDID_SELF);
    // Narrator follows the live region once it has the live setting; without
    // it, the notification says the words instead (a reader hears them once).
    if (!settingGiven)
        Notify(liveText, words);
}

} // namespace forms::win
