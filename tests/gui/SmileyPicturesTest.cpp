#include "gui/pictures/SmileyPictures.h"

#include "core/tags/SmileyTable.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace quolan {
namespace {

constexpr int kScale = 4;
constexpr int kMargin = 40;

// The picture drawn four times enlarged on a canvas with room around it.
QImage enlarged(const Smiley& s) {
    QImage canvas(s.pictureWidth * kScale + 2 * kMargin, s.pictureHeight * kScale + 2 * kMargin,
                  QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    smileyPicture(s.button).paint(
        &painter, QRect(kMargin, kMargin, s.pictureWidth * kScale, s.pictureHeight * kScale));
    return canvas;
}

TEST(SmileyPictures, everyButtonHasAPictureAtItsOwnSize) {
    EXPECT_TRUE(smileyPicture("SpeedButton29").isNull());
    EXPECT_TRUE(smileyPicture("nonsense").isNull());
    EXPECT_FALSE(smileyMenuPicture().isNull());
    for (const Smiley& s : smileyTable()) {
        SCOPED_TRACE(s.button.data());
        const QIcon icon = smileyPicture(s.button);
        ASSERT_FALSE(icon.isNull());
        const QSize size(s.pictureWidth, s.pictureHeight);
        const QPixmap pixmap = icon.pixmap(size);
        EXPECT_EQ(pixmap.size(), size);
    }
}

TEST(SmileyPictures, picturesAreDistinctAndFillTheirCanvas) {
    std::map<QByteArray, std::string_view> seen;
    for (const Smiley& s : smileyTable()) {
        SCOPED_TRACE(s.button.data());
        const QImage image = enlarged(s);
        const QRect inside(kMargin, kMargin, s.pictureWidth * kScale, s.pictureHeight * kScale);
        // Antialiasing may bleed a little over the edge; a drawing cut off by
        // its canvas spills far more.
        const QRect tolerated = inside.adjusted(-3, -3, 3, 3);
        int drawn = 0;
        int outside = 0;
        QRect used;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) < 16)
                    continue;
                ++drawn;
                used |= QRect(x, y, 1, 1);
                if (!tolerated.contains(x, y))
                    ++outside;
            }
        }
        EXPECT_EQ(outside, 0) << "drawn outside its picture";
        EXPECT_GT(drawn, inside.width() * inside.height() / 5) << "mostly empty";
        // Drawn to its canvas's scale: it spans most of the canvas one way
        // and at least half of it the other.
        const double across = double(used.width()) / inside.width();
        const double down = double(used.height()) / inside.height();
        EXPECT_GE(std::max(across, down), 0.8) << across << " by " << down;
        EXPECT_GE(std::min(across, down), 0.5) << across << " by " << down;

        const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()),
                                static_cast<qsizetype>(image.sizeInBytes()));
        const auto [it, fresh] = seen.emplace(pixels, s.button);
        EXPECT_TRUE(fresh) << "looks just like " << it->second;
    }
}

} // namespace
} // namespace quolan
