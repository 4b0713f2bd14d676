#include "gui/info/TCredits.h"
#include "support/GuiTestSupport.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QLabel>

#include <gtest/gtest.h>

namespace quolan {
namespace {

// A machine without Qt's JPEG reader: the credits window opens with an empty
// picture. The readers are looked up once per program, so this test has a
// program of its own and hides them before any picture is read.
TEST(NoJpegReader, theCreditsWindowShowsAnEmptyPicture) {
    QCoreApplication::setLibraryPaths({});
    ASSERT_FALSE(QImageReader::supportedImageFormats().contains("jpeg"));
    TCredits credits;
    QWidget opener;
    opener.show();
    credits.open(opener);
    EXPECT_TRUE(credits.isVisible());
    EXPECT_FALSE(opener.isEnabled());
    EXPECT_TRUE(testing::child<QLabel>(credits, "Image1").pixmap().isNull());
}

} // namespace
} // namespace quolan
