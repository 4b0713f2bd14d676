#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quolan {

// Commands by name. Every control that runs a command (toolbar button, menu
// item, context-menu item, shortcut key) names it; the command itself is
// registered once, by the program's wiring list. A control whose command is
// not registered does nothing.
class CommandRegistry {
public:
    using Command = std::function<void()>;

    // Registering one name twice is a programming error and throws.
    void add(std::string_view id, Command command);
    bool contains(std::string_view id) const;
    // Runs the command; false when none is registered under that name.
    bool run(std::string_view id) const;
    // Every registered name, in order.
    std::vector<std::string_view> ids() const;

private:
    std::map<std::string, Command, std::less<>> commands_;
};

} // namespace quolan
