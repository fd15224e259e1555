// SPDX-License-Identifier: MIT
// The page's events reach the windows here, one at a time; after each, the
// focus settles and closed windows go. End() leaves the page with the
// product's name and the offer of another game.
#include "forms/Application.h"

#include <emscripten.h>

#include <algorithm>
#include <map>
#include <string>

#include "Native.h"
#include "Page.h"
#include "PageTexts.h"
#include "forms/Form.h"

namespace forms {

namespace {

std::map<int, NativeWidget*>& Elements() {
    static std::map<int, NativeWidget*> elements;
    return elements;
}

struct PageState {
    std::string productName;
    std::function<void()> start;
    bool ended = false;
    int depth = 0; // events being handled, one inside another
    int z = 0;
};

PageState& Page() {
    static PageState page;
    return page;
}

// The first control of the chain, after `from`, that can take the focus.
Control* NextInChain(const std::vector<Control*>& chain, const Control* from) {
    const auto at = std::find(chain.begin(), chain.end(), from);
    const std::size_t start = at == chain.end() ? 0 : std::size_t(at - chain.begin()) + 1;
    for (std::size_t i = 0; i < chain.size(); ++i) {
        Control* next = chain[(start + i) % chain.size()];
        if (next != from && web::CanTakeFocus(*next))
            return next;
    }
    return nullptr;
}

// A control that was hidden or disabled while it had the focus hands it on
// to the next one of the tab chain once the handler has finished.
void SettleFocus(Form& form) {
    NativeWidget& window = form.Native();
    if (!window.shown || window.closed || !window.focus || web::CanTakeFocus(*window.focus))
        return;
    if (Control* next = NextInChain(window.chain, window.focus))
        web::GiveFocus(*next);
}

// Labels whose caption, font or box changed: laid out again together, once
// the handler has finished and before the page paints.
std::vector<NativeWidget*>& Unfitted() {
    static std::vector<NativeWidget*> labels;
    return labels;
}

void FitLabels() {
    std::vector<NativeWidget*> labels;
    labels.swap(Unfitted());
    for (NativeWidget* label : labels)
        label->refit();
}

void AfterEvents() {
    FitLabels();
    std::vector<Form*> closed;
    for (Form* form : web::LiveForms()) {
        if (form->Native().closed)
            closed.push_back(form);
        else if (!Page().ended)
            SettleFocus(*form);
    }
    for (Form* form : closed)
        delete form;
}

void PlayAgain() {
    while (!web::LiveForms().empty())
        delete web::LiveForms().back();
    Page().ended = false;
    vk_again();
    Page().start();
    FitLabels();
}

} // namespace

NativeWidget::NativeWidget(int id)
    : id_(id) {
    Elements()[id] = this;
}

NativeWidget::~NativeWidget() {
    Elements().erase(id_);
    std::erase(Unfitted(), this);
}

void NativeWidget::Refit() {
    if (refit && std::find(Unfitted().begin(), Unfitted().end(), this) == Unfitted().end())
        Unfitted().push_back(this);
}

namespace web {

NativeWidget* Find(int id) {
    const auto found = Elements().find(id);
    return found == Elements().end() ? nullptr : found->second;
}

int NextZ() {
    return ++Page().z;
}

std::vector<Form*>& LiveForms() {
    static std::vector<Form*> forms;
    return forms;
}

bool CanTakeFocus(const Control& control) {
    const NativeWidget& native = control.Native();
    if (!native.button || !native.enabled)
        return false;
    for (const NativeWidget* n = &native; n; n = n->container)
        if (!n->visible)
            return false;
    return control.Window().Native().shown;
}

void GiveFocus(Control& control) {
    NativeWidget& window = control.Window().Native();
    window.focus = &control;
    if (window.shown && CanTakeFocus(control))
        vk_focus(control.Native().Id());
}

void Run(std::string_view productName, std::function<void()> start) {
    Page().productName = productName;
    Page().start = std::move(start);
    vk_start(std::string(texts::kPlayAgain).c_str());
    Page().start();
    FitLabels();
}

} // namespace web

void PreparePlatform() {}

void End() {
    Page().ended = true;
    web::StopTimers();
    vk_end(Page().productName.c_str());
}

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
        for (forms::Form* form : forms::web::LiveForms())
            forms::Centre(*form);
        return;
    }
    if (forms::Page().ended)
        return;
    ++forms::Page().depth;
    if (forms::NativeWidget* target = forms::web::Find(id); target && target->onEvent)
        target->onEvent(event);
    if (--forms::Page().depth == 0)
        forms::AfterEvents();
}
