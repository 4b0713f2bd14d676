#pragma once

#include "core/tags/SmileyTable.h"

#include <QToolButton>

namespace quolan {

// A speed button: it never takes the keyboard focus, and shows its picture on
// a chosen side of its caption, the two centred together with a small gap.
class GlyphButton final : public QToolButton {
    Q_OBJECT

public:
    explicit GlyphButton(QWidget* parent = nullptr);

    void setPictureSide(PictureSide side);
    PictureSide pictureSide() const { return side_; }

    // Where the picture and the caption are drawn, within the button.
    QRect pictureRect() const;
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Layout {
        QRect picture;
        QRect caption;
    };
    Layout layOut() const;

    PictureSide side_ = PictureSide::Left;
};

} // namespace quolan
