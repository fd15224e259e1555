// SPDX-License-Identifier: MIT
// A window: its client area designed in twips, its position and outer size
// in twips, a caption, click and key events, and the unload event.
//
// Forms live on the heap: a form that closes is destroyed with its state.
#pragma once

#include <QMargins>
#include <QPixmap>
#include <QWidget>
#include <initializer_list>

#include "Control.h"

class QIcon;

namespace forms {

// A window's frame.
enum class BorderStyle {
    // Title bar with the caption and the close box; not resizable.
    FixedSingle,
    // A raised dialog frame without title bar, kept out of the taskbar.
    FixedDialogNoTitle,
};

class Form : public QWidget {
    Q_OBJECT
public:
    Form(BorderStyle border, float clientWidth, float clientHeight);
    ~Form() override;

    // The window's name in the program's design.
    void SetName(const char* name) { setObjectName(QString::fromLatin1(name)); }

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption);

    float Left() const { return left_; }
    float Top() const { return top_; }
    void SetLeft(float twips);
    void SetTop(float twips);

    float ClientWidth() const { return clientWidth_; }
    float ClientHeight() const { return clientHeight_; }
    // Client area plus frame and title bar (see FrameMargins).
    float OuterWidth();
    float OuterHeight();

    void SetBackColor(const QColor& color);
    // The icon of the title bar and the taskbar.
    void SetIcon(const QIcon& icon);
    // The keyboard's tab chain, tab index 0 first.
    static void SetTabOrder(std::initializer_list<QWidget*> controls);

    // Shows the window without an owner and makes it the active one.
    void Show();

    // Where the focus goes when the control that has it was hidden or
    // disabled: on to the next control in the tab chain that can take it,
    // round to the first. Event handlers run before it, so that a handler
    // may hide one control and show another.
    void SettleFocus();

signals:
    void Click();
    // A key that types a character; the character's code.
    void KeyPress(int keyAscii);

protected:
    // The window is being closed; set cancel to keep it.
    virtual void Form_Unload(int& cancel);

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QMargins FrameMargins();
    void Place();

    BorderStyle border_;
    float clientWidth_, clientHeight_;
    float left_ = 0, top_ = 0;
    ClickTracker click_;
    bool shown_ = false;
    // The dialog frame as drawn, and the palette it was drawn in.
    QPixmap frame_;
    qint64 framePalette_ = 0;
};

// Where a window of the outer size stands in the middle of the screen.
float Centred(float screen, float outer);

// The window's top, then its left, set so that its outer box stands in the
// middle of the screen, unrounded, even where that is off the screen.
void Centre(Form& form);

// Chooses how the platform draws the windows; called before the application
// object is made, by the program and by anything that shows its windows.
void PreparePlatform();

// Ends the program at once: every window is hidden, every timer stops and
// the event loop returns. No further event handler runs.
void End();

} // namespace forms
