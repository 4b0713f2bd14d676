#include "CommandRegistry.h"

#include <stdexcept>

namespace quolan {

void CommandRegistry::add(std::string_view id, Command command) {
    const auto [it, inserted] = commands_.emplace(std::string(id), std::move(command));
    if (!inserted)
        throw std::logic_error("command registered twice: " + std::string(id));
}

bool CommandRegistry::contains(std::string_view id) const {
    return commands_.contains(id);
}

bool CommandRegistry::run(std::string_view id) const {
    const auto it = commands_.find(id);
    if (it == commands_.end())
        return false;
    const Command command = it->second; // a command may register others while it runs
    command();
    return true;
}

std::vector<std::string_view> CommandRegistry::ids() const {
    std::vector<std::string_view> names;
    names.reserve(commands_.size());
    for (const auto& [id, command] : commands_)
        names.emplace_back(id);
    return names;
}

} // namespace quolan
