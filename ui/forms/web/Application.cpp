// SPDX-License-Identifier: MIT
// The page's events reach the windows here, one at a time; after each, the
// labels are laid out, closed windows go and the focus settles. When the
// program ends the page shows the product's name and the offer of another
// game, which starts the first window again.
#include "forms/Application.h"

#include <emscripten.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Native.h"
#include "Page.h"
#include "PageTexts.h"
#include "forms/Focus.h"
#include "forms/Form.h"
#include "forms/Platform.h"

namespace forms {

namespace {

std::map<int, NativeWidget*>& Elements() {
    static std::map<int, NativeWidget*> elements;
    return elements;
}

struct PageState {
    std::string productName;
    std::function<void()> start;
    int depth = 0; // events being handled, one inside another
    int z = 0;
    std::vector<NativeWidget*> unlaid; // elements to lay out again
};

PageState& Page() {
    static PageState page;
    return page;
}

void LayOutElements() {
    std::vector<NativeWidget*> elements;
    elements.swap(Page().unlaid);
    for (NativeWidget* element : elements)
        element->layOut();
}

// Once the outermost event has been handled: the windows that closed go,
// and the focus of each other one settles from where it was.
void AfterEvent(const std::vector<std::pair<Form*, Control*>>& focusBefore) {
    LayOutElements();
    std::vector<Form*> closed;
    for (Form* form : LiveWindows())
        if (form->Native().closed)
            closed.push_back(form);
    for (Form* form : closed)
        delete form;
    for (const auto& [form, from] : focusBefore)
        if (std::find(LiveWindows().begin(), LiveWindows().end(), form) != LiveWindows().end())
            SettleFocus(*form, from);
    LayOutElements();
}

void StartGame() {
    Page().start();
    LayOutElements();
}

void PlayAgain() {
    const std::vector<Form*> left = LiveWindows();
    for (Form* form : left)
        delete form;
    Restart();
    vk_again();
    StartGame();
}

} // namespace

NativeWidget::NativeWidget(int id, Kind kind)
    : id_(id)
    , kind_(kind) {
    Elements()[id] = this;
}

NativeWidget::~NativeWidget() {
    Elements().erase(id_);
    std::erase(Page().unlaid, this);
    if (window && window->focus == owner)
        window->focus = nullptr;
    if (kind_ == Kind::Window)
        vk_remove(id_);
    else if (kind_ == Kind::Control)
        vk_forget(id_);
}

void NativeWidget::LayOutLater() {
    if (layOut &&
        std::find(Page().unlaid.begin(), Page().unlaid.end(), this) == Page().unlaid.end())
        Page().unlaid.push_back(this);
}

void NativeDeleter::operator()(NativeWidget* native) const {
    delete native;
}

namespace web {

NativeWidget* Find(int id) {
    const auto found = Elements().find(id);
    return found == Elements().end() ? nullptr : found->second;
}

int NextZ() {
    return ++Page().z;
}

void Run(std::string_view productName, std::function<void()> start) {
    Page().productName = productName;
    Page().start = std::move(start);
    vk_start(std::string(texts::kPlayAgain).c_str());
    StartGame();
}

} // namespace web

void PreparePlatform() {}

namespace platform {

// The page's own loop goes on: the first window is shown and the call returns.
int RunProgram(Form& first, const std::function<void()>& shown) {
    // Laid out before the focus arrives, which has the page lay the window out.
    LayOutElements();
    first.Show();
    if (shown)
        shown();
    return 0;
}

void EndProgram() {
    web::StopTimers();
    vk_end(Page().productName.c_str());
}

} // namespace platform
} // namespace forms

// Every event of the page comes in here.
extern "C" EMSCRIPTEN_KEEPALIVE void velkaro_event(int id, int kind, int a, int b, double x,
                                                   double y) {
    using forms::web::DomEvent;
    const auto event = forms::PageEvent{DomEvent(kind), a, b, x, y};
    if (event.kind == DomEvent::Again) {
        forms::PlayAgain();
        return;
    }
    if (event.kind == DomEvent::Resize) {
        for (forms::Form* form : forms::LiveWindows())
            forms::Centre(*form);
        return;
    }
    if (forms::Ended())
        return;
    std::vector<std::pair<forms::Form*, forms::Control*>> focusBefore;
    if (forms::Page().depth == 0)
        for (forms::Form* form : forms::LiveWindows())
            focusBefore.emplace_back(form, forms::platform::FocusedControl(*form));
    ++forms::Page().depth;
    if (forms::NativeWidget* target = forms::web::Find(id); target && target->onEvent)
        target->onEvent(event);
    if (--forms::Page().depth == 0)
        forms::AfterEvent(focusBefore);
}
