// SPDX-License-Identifier: MIT
// The Qt widgets that draw the forms layer's controls and windows. Window
// code never sees them; tests reach them through Native.h to measure pixels.
#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QMargins>
#include <QPixmap>
#include <QPushButton>
#include <functional>
#include <memory>

#include "Native.h"
#include "X11Frame.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"

class QTextLayout;

namespace forms::qt {

// What each control's widget knows: the control it draws.
class ControlWidget {
public:
    virtual Control& Owner() const = 0;

protected:
    ~ControlWidget() = default;
};

// The position of a control's twips box: the inside of its container
// (inside a window's own frame, if it draws one).
QPoint ClientOrigin(const QWidget& control);

// Clicks on a widget that takes them: the left button pressed (or pressed
// twice quickly) and released over it. Every press and release stops there.
// Made as the widget's child, it goes with it.
class ClickTracker : public QObject {
public:
    ClickTracker(QWidget& widget, std::function<void()> clicked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& widget_;
    std::function<void()> clicked_;
    bool pressed_ = false;
};

class LabelWidget : public QLabel, public ControlWidget {
    Q_OBJECT
public:
    LabelWidget(Label& owner, QWidget* container);
    ~LabelWidget() override;
    Control& Owner() const override { return owner_; }

    // The font the caption is drawn with now.
    QFont DrawnFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // What the caption's layout was made from.
    struct LayoutKey {
        QString text;
        QFont font;
        TextAlignment alignment = TextAlignment::LeftJustify;
        bool shrink = false;
        QSize size;
        bool operator==(const LayoutKey&) const = default;
    };
    // Lays the caption out in the font, on no more than the lines given;
    // false when it needs more room.
    bool LayOut(QTextLayout& layout, const QFont& font, int lines) const;
    // Lays the caption out in the font it is drawn with, and returns that font.
    QFont Fit(QTextLayout& layout) const;

    Label& owner_;
    std::unique_ptr<QTextLayout> layout_;
    LayoutKey laidOut_;
    // The laid-out caption drawn once more, for the paints that follow.
    bool paintedAsLaid_ = false;
    QPixmap picture_;
    QColor pictureColor_;
};

class ButtonWidget : public QPushButton, public ControlWidget {
    Q_OBJECT
public:
    ButtonWidget(CommandButton& owner, QWidget* container);
    Control& Owner() const override { return owner_; }

    void SetPicture(const QPixmap& picture, float widthTwips, float heightTwips);
    // Where the picture and the caption are drawn, in the button's pixels.
    QRect PictureRect() const;
    QRect CaptionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    CommandButton& owner_;
    QPixmap picture_;
    float pictureWidth_ = 0, pictureHeight_ = 0;
};

class FrameWidget : public QFrame, public ControlWidget {
    Q_OBJECT
public:
    FrameWidget(Frame& owner, QWidget* container);
    Control& Owner() const override { return owner_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Frame& owner_;
};

class FormWidget : public QWidget {
    Q_OBJECT
public:
    FormWidget(Form& owner, BorderStyle border);
    ~FormWidget() override;

    // The window it draws; null once that is being destroyed.
    Form* Owner() const { return owner_; }
    void Disown() { owner_ = nullptr; }

    // The frame as the platform reports it for the native window.
    QMargins FrameMargins() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    Form* owner_;
    BorderStyle border_;
    // The frame an X11 window manager announced before the first show.
    x11::AnnouncedFrame announcedFrame_;
    bool shown_ = false;
    // The dialog frame as drawn, and the palette it was drawn in.
    QPixmap frame_;
    qint64 framePalette_ = 0;
};

// Runs `setUp` once per program: the first time it is asked once the
// application object exists.
template <typename SetUp> void OnceWithApplication(SetUp setUp) {
    static bool done = false;
    if (!done && QCoreApplication::instance()) {
        done = true;
        setUp();
    }
}

// The widget of a control, made in its container.
template <typename W, typename C> NativePtr NewWidget(C& control, Container& container) {
    return NativeWidget::Of(new W(control, &container.Native().Widget()));
}

// The font that draws a design font here: the stand-in face, sized so that
// it takes the room the designed face takes.
QFont RenderFont(const DesignFont& design);

} // namespace forms::qt
