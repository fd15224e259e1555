#include "Label.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

namespace forms {

Label::Label(QWidget* container)
    : QLabel(container)
    , Control(static_cast<QWidget&>(*this)) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setTextFormat(Qt::PlainText);
}

Label::~Label() = default;

void Label::SetCaption(const QString& caption) {
    setText(caption);
    setAccessibleName(caption);
}

void Label::SetAlignment(int alignment) {
    alignment_ = alignment;
    update();
}

void Label::SetFontSize(float points) {
    font_.points = points;
    setFont(RenderFont(font_));
}

void Label::SetFont(const DesignFont& design) {
    font_ = design;
    setFont(RenderFont(font_));
}

void Label::SetForeColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

QFont Label::DrawnFont() const {
    QFont drawn = font();
    if (!shrinkToFit_ || text().isEmpty())
        return drawn;
    // Glyph sizes do not follow the point size exactly: shrink until it fits.
    for (int tries = 0; tries < 8; ++tries) {
        const qreal needed = QFontMetricsF(drawn).horizontalAdvance(text());
        if (needed <= width())
            break;
        drawn.setPointSizeF(drawn.pointSizeF() * width() / needed * 0.99);
    }
    return drawn;
}

void Label::paintEvent(QPaintEvent*) {
    // Shaping Arabic text is the costly part of a paint: lay the caption out
    // again only when something that places its letters has changed.
    const Laid key{text(), font(), alignment_, shrinkToFit_, size()};
    if (!layout_ || !(key == laidOut_)) {
        layout_ = LayOut();
        laidOut_ = key;
    }
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    layout_->draw(&painter, QPointF());
}

std::unique_ptr<QTextLayout> Label::LayOut() const {
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment_ == RightJustify)
        horizontal = Qt::AlignRight;
    else if (alignment_ == Center)
        horizontal = Qt::AlignHCenter;
    // Right-to-left base direction; the alignment is absolute, not mirrored.
    QTextOption option(horizontal | Qt::AlignAbsolute);
    option.setTextDirection(Qt::RightToLeft);
    option.setWrapMode(shrinkToFit_ ? QTextOption::NoWrap : QTextOption::WordWrap);

    // Lines from the top, wrapped at word boundaries within the label's width.
    auto layout = std::make_unique<QTextLayout>(text(), DrawnFont());
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    qreal y = 0;
    for (QTextLine line = layout->createLine(); line.isValid() && y < height();
         line = layout->createLine()) {
        line.setLineWidth(width());
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout->endLayout();
    return layout;
}

void Label::mousePressEvent(QMouseEvent* event) {
    click_.Press(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    if (click_.Release(event, *this))
        emit Click();
}

} // namespace forms
