// SPDX-License-Identifier: MIT
// The frame that an X11 window manager draws round a window, known before the
// window is first shown.
#pragma once

#include <QMargins>
#include <memory>

class QWidget;

namespace forms::x11 {

// The frame that the window manager will draw round a window, as it announces
// it before the window is first shown (_NET_REQUEST_FRAME_EXTENTS, answered
// with _NET_FRAME_EXTENTS). Asked on X11 under a window manager that says it
// answers, for a stand-in with the window's flags and size that is never
// shown, so that the window itself is made and placed as before. Nothing where
// there is no answer, no such window manager, or another platform, and for a
// window without a frame of the window manager's.
class AnnouncedFrame {
public:
    AnnouncedFrame();
    ~AnnouncedFrame();
    AnnouncedFrame(const AnnouncedFrame&) = delete;
    AnnouncedFrame& operator=(const AnnouncedFrame&) = delete;

    // Asks for the window as it stands (flags and size), without waiting, so
    // that the window manager answers while the window's controls are made.
    void Ask(const QWidget& window);

    // The frame announced. The first call after Ask waits for the answer, a
    // short, bounded time.
    QMargins Frame() const;

private:
    struct Question;
    mutable std::unique_ptr<Question> question_;
    mutable QMargins frame_;
};

} // namespace forms::x11
