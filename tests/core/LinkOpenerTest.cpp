#include "core/shell/LinkOpener.h"

#include "support/FakeLinks.h"

#include <gtest/gtest.h>

namespace quolan {
namespace {

TEST(LinkOpener, onlyWebAddressesWithAHostReachTheBrowser) {
    const struct {
        std::string_view address;
        bool opens;
    } rows[] = {
        {"http://www.brennow.org/", true},
        {"https://a.example/x?y=1#z", true},
        {"HTTP://A.EXAMPLE", true},
        {"hTtPs://a.example:8080", true},
        {"  https://a.example/\n", true},
        {"", false},
        {"   ", false},
        {"http://", false},
        {"http:///etc/passwd", false},
        {"http:a.example", false},
        {"httpx://a.example", false},
        {"ftp://a.example/f", false},
        {"file:///etc/passwd", false},
        {"FILE:///etc/passwd", false},
        {"javascript:alert(1)", false},
        {" javascript:alert(1)", false},
        {"mailto:a@b.c", false},
        {"data:text/html,<b>x</b>", false},
        {"www.brennow.org", false},
        {"/forum/", false},
        {"http://a.example/\x01x", false},
        {"x:http://a.example", false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(isOpenableLink(row.address), row.opens) << '"' << row.address << '"';
        testing::FakeLinks links;
        EXPECT_EQ(links.open(row.address), row.opens) << row.address;
        EXPECT_EQ(links.opened.size(), row.opens ? 1u : 0u) << row.address;
    }
}

TEST(LinkOpener, theBrowserGetsTheAddressWithoutItsBlanks) {
    testing::FakeLinks links;
    links.open("\t https://a.example/x \r\n");
    EXPECT_EQ(links.opened, std::vector<std::string>{"https://a.example/x"});
}

} // namespace
} // namespace quolan
