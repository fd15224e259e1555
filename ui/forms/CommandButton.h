// SPDX-License-Identifier: MIT
// A picture button: its picture above its caption, or the picture alone when
// it has no caption.
#pragma once

#include <QPixmap>
#include <QPushButton>

#include "Control.h"
#include "Fonts.h"

namespace forms {

class CommandButton : public QPushButton, public Control {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* container);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    void SetFont(const DesignFont& design);
    // The picture and the size it is shown at, in twips (a picture measured
    // in inches keeps its size on every screen).
    void SetPicture(const QPixmap& picture, float widthTwips, float heightTwips);
    // The picture shown at its own pixel size on a 96 DPI screen.
    void SetPicture(const QPixmap& picture);

    // Where the picture and the caption are drawn, in the button's pixels.
    QRect PictureRect() const;
    QRect CaptionRect() const;

signals:
    void Click();
    void GotFocus();
    // Mouse buttons held (1 left, 2 right, 4 middle), shift keys held
    // (1 Shift, 2 Ctrl, 4 Alt) and the pointer's position in twips.
    void MouseMove(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QPixmap picture_;
    float pictureWidth_ = 0, pictureHeight_ = 0;

    FORMS_HIDE_QT_PROPERTIES(QPushButton);
};

} // namespace forms
