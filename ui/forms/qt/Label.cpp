// SPDX-License-Identifier: MIT
#include "forms/Label.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QMouseEvent>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "Native.h"
#include "Utf8.h"
#include "Widgets.h"
#include "forms/Fit.h"
#include "forms/Platform.h"

namespace forms {

NativePtr platform::NewLabel(Label& label, Container& container) {
    return qt::NewWidget<qt::LabelWidget>(label, container);
}

void Label::SetAlignment(TextAlignment alignment) {
    alignment_ = alignment;
    qt::WidgetAs<qt::LabelWidget>(*this).update();
}

void Label::SetFontSize(float points) {
    font_.points = points;
    qt::WidgetAs<qt::LabelWidget>(*this).setFont(qt::RenderFont(font_));
}

void Label::SetFont(const DesignFont& design) {
    font_ = design;
    qt::WidgetAs<qt::LabelWidget>(*this).setFont(qt::RenderFont(font_));
}

void Label::SetForeColor(Color color) {
    foreColor_ = color;
    QWidget& widget = qt::WidgetAs<qt::LabelWidget>(*this);
    QPalette p = widget.palette();
    p.setColor(QPalette::WindowText, qt::ToQColor(color));
    widget.setPalette(p);
}

void Label::SetShrinkToFit(bool shrink) {
    shrinkToFit_ = shrink;
    qt::WidgetAs<qt::LabelWidget>(*this).update();
}

namespace qt {

LabelWidget::LabelWidget(Label& owner, QWidget* container)
    : QLabel(container)
    , owner_(owner) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setTextFormat(Qt::PlainText);
    new ClickTracker(*this, [this] { owner_.Click.Raise(); });
}

LabelWidget::~LabelWidget() = default;

QFont LabelWidget::DrawnFont() const {
    QTextLayout trial(text());
    return Fit(trial);
}

QFont LabelWidget::Fit(QTextLayout& layout) const {
    const QFont designed = font();
    const int lines = LineBudget(height(), QFontMetricsF(designed).height());
    QFont drawn = designed;
    FitCaption(owner_.ShrinkToFit(), [&](const Narrowing& narrowing) {
        drawn = designed;
        if (narrowing.stretch != 100)
            drawn.setStretch(narrowing.stretch);
        if (narrowing.smaller)
            drawn.setPointSizeF(designed.pointSizeF() * narrowing.SizeFactor());
        return LayOut(layout, drawn, lines);
    });
    return drawn;
}

void LabelWidget::paintEvent(QPaintEvent*) {
    // Shaping Arabic text is the costly part of a paint: lay the caption out
    // again only when something that places its letters has changed.
    const LayoutKey key{text(), font(), owner_.Alignment(), owner_.ShrinkToFit(), size()};
    if (!layout_ || !(key == laidOut_)) {
        layout_ = std::make_unique<QTextLayout>(text());
        layout_->setCacheEnabled(true);
        Fit(*layout_);
        laidOut_ = key;
        picture_ = QPixmap();
        paintedAsLaid_ = false;
    }
    // A caption painted again as it was (the greeting moving along) is drawn
    // from a picture of it, made the second time.
    const QColor color = palette().color(QPalette::WindowText);
    const qreal ratio = devicePixelRatioF();
    if (paintedAsLaid_ &&
        (picture_.isNull() || pictureColor_ != color || picture_.devicePixelRatio() != ratio)) {
        picture_ = QPixmap(size() * ratio);
        picture_.setDevicePixelRatio(ratio);
        picture_.fill(Qt::transparent);
        QPainter onPicture(&picture_);
        onPicture.setPen(color);
        layout_->draw(&onPicture, QPointF());
        pictureColor_ = color;
    }
    paintedAsLaid_ = true;
    QPainter painter(this);
    if (!picture_.isNull() && pictureColor_ == color) {
        painter.drawPixmap(0, 0, picture_);
        return;
    }
    painter.setPen(color);
    layout_->draw(&painter, QPointF());
}

bool LabelWidget::LayOut(QTextLayout& layout, const QFont& font, int lines) const {
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (owner_.Alignment() == TextAlignment::RightJustify)
        horizontal = Qt::AlignRight;
    else if (owner_.Alignment() == TextAlignment::Center)
        horizontal = Qt::AlignHCenter;
    // Right-to-left base direction; the alignment is absolute, not mirrored.
    QTextOption option(horizontal | Qt::AlignAbsolute);
    option.setTextDirection(Qt::RightToLeft);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.setFont(font);

    // Lines from the top, wrapped at word boundaries within the label's width.
    bool fits = true;
    qreal y = 0;
    layout.setPosition(QPointF());
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width());
        line.setPosition(QPointF(0, y));
        y += line.height();
        fits = fits && line.naturalTextWidth() <= width() && --lines >= 0;
    }
    layout.endLayout();
    if (!fits || layout.lineCount() == 0)
        return fits;

    // The letters must show whole; the lines' boxes, which some faces make
    // far taller than their letters, may reach beyond the label. Letters that
    // reach above the label move the caption down, a pixel clear of its edge;
    // letters that start within a pixel of the edge move a pixel clear where
    // the room below allows. Their boxes come from the glyphs already laid out.
    const auto ink = [](const QTextLine& line) {
        QRectF box;
        for (const QGlyphRun& run : line.glyphRuns()) {
            const QRawFont face = run.rawFont();
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> at = run.positions();
            for (qsizetype i = 0; i < glyphs.size() && i < at.size(); ++i)
                box |= face.boundingRect(glyphs[i]).translated(at[i]);
        }
        return box;
    };
    const QRectF first = ink(layout.lineAt(0));
    const QRectF last =
        layout.lineCount() == 1 ? first : ink(layout.lineAt(layout.lineCount() - 1));
    if (last.isNull())
        return y <= height();
    const qreal clear = std::ceil(1 - first.top());
    const qreal room = std::floor(height() - last.bottom()) - 1;
    const qreal down = first.top() < 0 ? clear : std::max(0.0, std::min(clear, room));
    layout.setPosition(QPointF(0, down));
    return down + last.bottom() <= height();
}

} // namespace qt
} // namespace forms
