#include "core/document/RollbackRecord.h"
#include "core/document/TemporaryNames.h"

#include <gtest/gtest.h>
#include <string>

namespace quolan {
namespace {

TEST(TemporaryNames, tellOurLeftoversApartFromTheUsersFiles) {
    EXPECT_EQ(temporaryPrefix("post.txt"), ".post.txt.quolan-");
    EXPECT_TRUE(isTemporaryOf(".post.txt.quolan-a1B2c3", "post.txt"));
    for (const char* other : {
             "post.txt",
             "post.txt.backup",          // as Qt's own temporary files are named
             ".post.txt.quolan-a1B2c",   // one letter short
             ".post.txt.quolan-a1B2c3d", // one too many
             ".post.txt.quolan-a1B2c~",
             ".other.txt.quolan-a1B2c3",
             ".post.txt.quolan-a1B2c3.txt",
         })
        EXPECT_FALSE(isTemporaryOf(other, "post.txt")) << other;
}

TEST(TemporaryNames, aLongNameIsCutToFitTheSystemsLimit) {
    const std::string name(255, 'n');
    const std::string prefix = temporaryPrefix(name);
    EXPECT_EQ(prefix.size() + kTemporaryTailLength, 255U);
    EXPECT_TRUE(isTemporaryOf(prefix + "abc123", name));
    EXPECT_FALSE(isTemporaryOf(prefix + "abc123", "m" + std::string(254, 'n')));
}

TEST(RollbackRecord, keepsAnyPathAndAnyBytesAndRefusesAnythingButAWholeRecord) {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    const RollbackRecord record{"/odd\n path/with 12 spaces.INI", bytes};
    const std::string stored = encodeRecord(record);
    const auto back = decodeRecord(stored);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->path, record.path);
    EXPECT_EQ(back->bytes, record.bytes);

    const auto empty = decodeRecord(encodeRecord({"/a.INI", ""}));
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->bytes, "");

    EXPECT_FALSE(decodeRecord(stored.substr(0, stored.size() - 1)));
    EXPECT_FALSE(decodeRecord(stored + "x"));
    EXPECT_FALSE(decodeRecord(""));
    EXPECT_FALSE(decodeRecord("QUOLAN-ROLLBACK 1 0 0\n"));
    EXPECT_FALSE(decodeRecord("QUOLAN-ROLLBACK 1 99999999999999999999999 1\nx"));
    EXPECT_FALSE(decodeRecord("QUOLAN-ROLLBACK 1 -1 0\nx"));
    EXPECT_FALSE(decodeRecord("[Size]\r\nTop=1\r\n"));
}

} // namespace
} // namespace quolan
