#include "GlyphButton.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

#include <algorithm>

namespace quolan {

namespace {
constexpr int kSpacing = 4; // between picture and caption
constexpr int kMargin = 1;  // inside the button's edge
} // namespace

GlyphButton::GlyphButton(QWidget* parent) : QToolButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void GlyphButton::setPictureSide(PictureSide side) {
    side_ = side;
    update();
}

GlyphButton::Layout GlyphButton::layOut() const {
    const QRect area = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const QSize picture = icon().isNull() ? QSize(0, 0) : iconSize();
    const QSize caption = fontMetrics().size(Qt::TextSingleLine, text());
    const bool across = side_ == PictureSide::Left || side_ == PictureSide::Right;
    const bool both = !picture.isEmpty() && !caption.isEmpty();

    // A caption too long for the gap gives up the gap first.
    int spacing = both ? kSpacing : 0;
    const int room = across ? area.width() : area.height();
    const int needed =
        across ? picture.width() + caption.width() : picture.height() + caption.height();
    spacing = std::clamp(room - needed, 0, spacing);

    const QSize block = across ? QSize(picture.width() + spacing + caption.width(),
                                       std::max(picture.height(), caption.height()))
                               : QSize(std::max(picture.width(), caption.width()),
                                       picture.height() + spacing + caption.height());
    const QPoint origin(area.x() + (area.width() - block.width()) / 2,
                        area.y() + (area.height() - block.height()) / 2);

    Layout layout;
    switch (side_) {
    case PictureSide::Left:
        layout.picture =
            QRect(origin + QPoint(0, (block.height() - picture.height()) / 2), picture);
        layout.caption = QRect(
            origin + QPoint(picture.width() + spacing, (block.height() - caption.height()) / 2),
            caption);
        break;
    case PictureSide::Right:
        layout.caption =
            QRect(origin + QPoint(0, (block.height() - caption.height()) / 2), caption);
        layout.picture = QRect(
            origin + QPoint(caption.width() + spacing, (block.height() - picture.height()) / 2),
            picture);
        break;
    case PictureSide::Above:
        layout.picture = QRect(origin + QPoint((block.width() - picture.width()) / 2, 0), picture);
        layout.caption = QRect(
            origin + QPoint((block.width() - caption.width()) / 2, picture.height() + spacing),
            caption);
        break;
    case PictureSide::Below:
        layout.caption = QRect(origin + QPoint((block.width() - caption.width()) / 2, 0), caption);
        layout.picture = QRect(
            origin + QPoint((block.width() - picture.width()) / 2, caption.height() + spacing),
            picture);
        break;
    }
    return layout;
}

QRect GlyphButton::pictureRect() const {
    return layOut().picture;
}
QRect GlyphButton::captionRect() const {
    return layOut().caption;
}

void GlyphButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    // The style draws the face only; picture and caption are placed here.
    option.text.clear();
    option.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);

    Layout layout = layOut();
    if (isDown() || isChecked()) {
        layout.picture.translate(1, 1);
        layout.caption.translate(1, 1);
    }
    if (!layout.picture.isEmpty())
        icon().paint(&painter, layout.picture, Qt::AlignCenter,
                     isEnabled() ? QIcon::Normal : QIcon::Disabled);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(layout.caption, Qt::AlignCenter | Qt::TextSingleLine, text());
}

} // namespace quolan
