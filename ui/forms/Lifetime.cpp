// SPDX-License-Identifier: MIT
// How windows and controls come and go, the same on every platform: each is
// made with its platform's widget; a window closes through Form_Unload, and
// closing the last one ends the program; after End() no handler runs.
#include <algorithm>

#include "Application.h"
#include "CommandButton.h"
#include "Form.h"
#include "Frame.h"
#include "Label.h"
#include "Line.h"
#include "Platform.h"
#include "Timer.h"
#include "Twips.h"

namespace forms {

namespace {

std::vector<Form*>& Windows() {
    static std::vector<Form*> windows;
    return windows;
}

bool gEnded = false;

} // namespace

// --- The program ----------------------------------------------------------------------------

int Run(Form& first, const std::function<void()>& shown) {
    return platform::RunProgram(first, shown);
}

void End() {
    if (gEnded)
        return;
    gEnded = true;
    platform::EndProgram();
}

bool Ended() {
    return gEnded;
}

void Restart() {
    gEnded = false;
}

// --- Windows --------------------------------------------------------------------------------

Form::Form(BorderStyle border, float clientWidth, float clientHeight)
    : border_(border)
    , clientWidth_(clientWidth)
    , clientHeight_(clientHeight)
    , native_(platform::NewWindow(*this)) {
    Windows().push_back(this);
}

Form::~Form() {
    auto& windows = Windows();
    windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
}

const std::vector<Form*>& LiveWindows() {
    return Windows();
}

bool CloseWindow(Form& form, const std::function<void()>& close) {
    if (Ended())
        return false;
    int cancel = 0;
    form.Form_Unload(cancel);
    if (cancel)
        return false;
    // With no window left the program has nothing more to do.
    const auto& windows = Windows();
    const bool last = std::none_of(windows.begin(), windows.end(), [&form](const Form* other) {
        return other != &form && other->Visible();
    });
    close();
    if (last)
        End();
    return true;
}

void Form::Form_Unload(int&) {}

void Form::SetTabOrder(std::initializer_list<Control*> controls) {
    tabOrder_.assign(controls.begin(), controls.end());
    platform::TabOrderChanged(*this);
}

std::vector<Control*> Form::TabOrder() const {
    std::vector<Control*> chain = tabOrder_;
    for (Control* control : controls_)
        if (std::find(tabOrder_.begin(), tabOrder_.end(), control) == tabOrder_.end())
            chain.push_back(control);
    return chain;
}

// --- Lines --------------------------------------------------------------------------------

void Line::SetPoints(float x1, float y1, float x2, float y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    platform::PlaceLine(*this);
}

void Line::SetBorderWidth(int pixels) {
    width_ = pixels;
    platform::PlaceLine(*this);
}

// --- Timers -------------------------------------------------------------------------------

Timer::Timer(Form& owner, int intervalMs, bool enabled)
    : interval_(intervalMs)
    , enabled_(enabled)
    , native_(platform::NewTimer(*this, owner)) {
    if (enabled)
        platform::RunTimer(*this, true);
}

Timer::~Timer() = default;

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    platform::RunTimer(*this, enabled);
}

// --- Controls -------------------------------------------------------------------------------

Control::Control(Container& container, NativePtr native)
    : window_(container.Window())
    , native_(std::move(native)) {
    window_.controls_.push_back(this);
}

Control::~Control() {
    // Controls go before their window.
    auto& controls = window_.controls_;
    controls.erase(std::remove(controls.begin(), controls.end(), this), controls.end());
    auto& chain = window_.tabOrder_;
    chain.erase(std::remove(chain.begin(), chain.end(), this), chain.end());
}

Label::Label(Container& container)
    : CaptionedControl(container, platform::NewLabel(*this, container)) {}

void CaptionedControl::SetCaption(std::string_view caption) {
    caption_ = caption;
    platform::ShowCaption(*this);
}

CommandButton::CommandButton(Container& container)
    : CaptionedControl(container, platform::NewButton(*this, container)) {}

void CommandButton::SetPicture(std::string_view name) {
    // Pictures are drawn for a 96 DPI screen: a pixel there is 15 twips.
    const platform::PictureSize size = platform::SizeOfPicture(name);
    SetPicture(name, static_cast<float>(size.width) * kTwipsPerPixelAt96Dpi,
               static_cast<float>(size.height) * kTwipsPerPixelAt96Dpi);
}

Frame::Frame(Container& container)
    : Control(container, platform::NewFrame(*this, container)) {}

} // namespace forms
