// SPDX-License-Identifier: MIT
// A label: a caption drawn right-to-left, transparent over its container.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <memory>

#include "Control.h"
#include "Fonts.h"

class QTextLayout;

namespace forms {

// Where a label's caption stands in its box, in the design's numbering.
enum class TextAlignment { LeftJustify = 0, RightJustify = 1, Center = 2 };

class Label : public QLabel, public Control {
    Q_OBJECT
public:
    explicit Label(QWidget* container);
    ~Label() override;

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    // Absolute: right means the right edge, whatever the text's direction.
    TextAlignment Alignment() const { return alignment_; }
    void SetAlignment(TextAlignment alignment);
    // The size in points as set (15.75 stays 15.75).
    float FontSize() const { return font_.points; }
    void SetFontSize(float points);
    void SetFont(const DesignFont& design);
    void SetForeColor(const QColor& color);

    // Draws a caption that needs more room than the label has narrower, then
    // smaller, until it fits, instead of cutting it off.
    void SetShrinkToFit(bool shrink) {
        shrinkToFit_ = shrink;
        update();
    }

    // The font the caption is drawn with now.
    QFont DrawnFont() const;

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

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

    TextAlignment alignment_ = TextAlignment::LeftJustify;
    DesignFont font_;
    bool shrinkToFit_ = false;
    ClickTracker click_;
    std::unique_ptr<QTextLayout> layout_;
    LayoutKey laidOut_;
    // The laid-out caption drawn once more, for the paints that follow.
    bool paintedAsLaid_ = false;
    QPixmap picture_;
    QColor pictureColor_;

    FORMS_HIDE_QT_PROPERTIES(QLabel);
    using QLabel::alignment;
    using QLabel::setAlignment;
};

} // namespace forms
