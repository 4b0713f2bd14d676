#pragma once

#include <string_view>

namespace quolan {

// Whether an address may reach the browser: an http or https address (the
// scheme in any case, blanks around it allowed) with a host. Nothing else
// does: a javascript:, file: or mailto: link from a post or a settings file
// must not run or open anything on this machine.
bool isOpenableLink(std::string_view address);

// Hands addresses to the browser. The rule above is kept here, for every way
// of opening, so no caller can forget it.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;

    // Whether the address was handed on; one the rule refuses never is.
    bool open(std::string_view address) const;

protected:
    // Gets the address trimmed of its surrounding blanks.
    virtual bool hand(std::string_view address) const = 0;
};

} // namespace quolan
