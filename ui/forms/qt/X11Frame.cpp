// SPDX-License-Identifier: MIT
#include "X11Frame.h"

#include <QWidget>

#ifdef VELKARO_X11
#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>
#include <xcb/xcb.h>
#endif

namespace forms::x11 {

#ifdef VELKARO_X11
namespace {

using namespace std::chrono_literals;

// Window managers answer within a few milliseconds, most of them while the
// window's controls are being made. One that says it answers but does not
// costs the window this much once, and the window is then centred on its
// client area as without a window manager.
constexpr auto kLongestWait = 100ms;
// Qt's own thread reads the connection's events, so the answer is looked for
// in the property itself, this often.
constexpr auto kLookAgainAfter = 500us;

struct Free {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, Free>;

struct Atoms {
    xcb_atom_t supported = XCB_ATOM_NONE;
    xcb_atom_t request = XCB_ATOM_NONE;
    xcb_atom_t extents = XCB_ATOM_NONE;
};

Atoms InternAtoms(xcb_connection_t* connection) {
    auto ask = [connection](const char* name) {
        return xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name);
    };
    const auto supported = ask("_NET_SUPPORTED");
    const auto request = ask("_NET_REQUEST_FRAME_EXTENTS");
    const auto extents = ask("_NET_FRAME_EXTENTS");
    auto atom = [connection](xcb_intern_atom_cookie_t cookie) {
        const Reply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(connection, cookie, nullptr));
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    };
    return {atom(supported), atom(request), atom(extents)};
}

// Whether the window manager lists the request among those it answers.
bool Answers(xcb_connection_t* connection, xcb_window_t root, const Atoms& atoms) {
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, atoms.supported, XCB_ATOM_ATOM, 0, 4096),
        nullptr));
    if (!reply || reply->type != XCB_ATOM_ATOM || reply->format != 32)
        return false;
    const auto* begin = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const auto* end = begin + xcb_get_property_value_length(reply.get()) / sizeof(xcb_atom_t);
    return std::find(begin, end, atoms.request) != end;
}

// The frame announced on the window, in the server's pixels; sent as left,
// right, top, bottom.
std::optional<QMargins> Announced(xcb_connection_t* connection, xcb_window_t window,
                                  xcb_atom_t extents) {
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!reply || reply->type != XCB_ATOM_CARDINAL || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) != 4 * sizeof(uint32_t))
        return std::nullopt;
    const auto* sides = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return QMargins(int(sides[0]), int(sides[2]), int(sides[1]), int(sides[3]));
}

} // namespace

// A question sent and not yet answered.
struct AnnouncedFrame::Question {
    xcb_connection_t* connection = nullptr;
    xcb_atom_t extents = XCB_ATOM_NONE;
    // The window manager's answer depends on the window's type, decorations
    // and size limits, which Qt sets from these as it makes the native window.
    QWindow standIn;
};

AnnouncedFrame::AnnouncedFrame() = default;
AnnouncedFrame::~AnnouncedFrame() = default;

void AnnouncedFrame::Ask(const QWidget& window) {
    question_.reset();
    frame_ = QMargins();
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    // A window without a frame of the window manager's draws its own.
    if (!connection || window.windowFlags().testFlag(Qt::FramelessWindowHint))
        return;
    // The screen Qt opens by default; an X server nowadays has one, however
    // many monitors it drives.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const Atoms atoms = InternAtoms(connection);
    if (!Answers(connection, root, atoms))
        return;

    question_ = std::make_unique<Question>();
    question_->connection = connection;
    question_->extents = atoms.extents;
    QWindow& standIn = question_->standIn;
    standIn.setFlags(window.windowFlags());
    standIn.setMinimumSize(window.minimumSize());
    standIn.setMaximumSize(window.maximumSize());
    standIn.resize(window.size());
    standIn.create();

    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = xcb_window_t(standIn.winId());
    request.type = atoms.request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);
}

QMargins AnnouncedFrame::Frame() const {
    if (!question_)
        return frame_;
    const std::unique_ptr<Question> question = std::move(question_);
    const auto window = xcb_window_t(question->standIn.winId());
    const auto deadline = std::chrono::steady_clock::now() + kLongestWait;
    for (;;) {
        if (const auto frame = Announced(question->connection, window, question->extents)) {
            // In the server's pixels; the windows measure in Qt's.
            const qreal ratio = question->standIn.devicePixelRatio();
            frame_ = QMargins(qRound(frame->left() / ratio), qRound(frame->top() / ratio),
                              qRound(frame->right() / ratio), qRound(frame->bottom() / ratio));
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(kLookAgainAfter);
    }
    return frame_;
}

#else
// Other systems have no X11 window manager to ask.
struct AnnouncedFrame::Question {};
AnnouncedFrame::AnnouncedFrame() = default;
AnnouncedFrame::~AnnouncedFrame() = default;
void AnnouncedFrame::Ask(const QWidget&) {}
QMargins AnnouncedFrame::Frame() const {
    return frame_;
}
#endif

} // namespace forms::x11
