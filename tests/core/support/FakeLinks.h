#pragma once

#include "core/shell/LinkOpener.h"

#include <string>
#include <vector>

namespace quolan::testing {

// The browser's side of a link: the addresses that reached it, in order.
class FakeLinks final : public LinkOpener {
public:
    mutable std::vector<std::string> opened;

protected:
    bool hand(std::string_view address) const override {
        opened.emplace_back(address);
        return true;
    }
};

} // namespace quolan::testing
