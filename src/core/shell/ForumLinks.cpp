#include "ForumLinks.h"

#include "core/settings/SettingsKeys.h"
#include "core/shell/LinkOpener.h"
#include "core/ui/CommandRegistry.h"

#include <algorithm>

namespace quolan {

namespace {
constexpr ForumLink kLinks[] = {
    {"Brennow2", cmd::LinkSite, "/"},
    {"N45", cmd::LinkSignUp, "/forum/register.php?s=&action=signup"},
    {"N51", cmd::LinkForumRoot, "/forum/"},
    {"N55", cmd::LinkRules, "/forum/showthread.php?threadid=347"},
    {"FAQ1", cmd::LinkFaq, "/forum/showthread.php?threadid=540"},
    {"N56", cmd::LinkGameProgress, "/forum/showthread.php?threadid=194"},
    {"N53", cmd::LinkCharacterRegistration, "/forum/showthread.php?threadid=347"},
    {"N46", cmd::LinkMatrix, "/forum/forumdisplay.php?s=&forumid=23"},
    // The board's item has always led to the sign-up page.
    {"N47", cmd::LinkWaterDrain, "/forum/register.php?s=&action=signup"},
    {"N48", cmd::LinkZion, "/forum/forumdisplay.php?s=&forumid=21"},
};

constexpr std::size_t kHostLimit = 253;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLabelChar(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-';
}

bool isValidName(std::string_view name) {
    if (name.empty() || name.size() > kHostLimit)
        return false;
    std::size_t labelStart = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || name[i] == '.') {
            if (i == labelStart) // an empty label: "..", a leading or trailing dot
                return false;
            labelStart = i + 1;
        } else if (!isLabelChar(name[i])) {
            return false;
        }
    }
    return true;
}

bool isValidPort(std::string_view port) {
    if (port.empty() || port.size() > 5 || !std::all_of(port.begin(), port.end(), isDigit))
        return false;
    int value = 0;
    for (const char c : port)
        value = value * 10 + (c - '0');
    return value >= 1 && value <= 65535;
}
} // namespace

std::span<const ForumLink> forumLinks() {
    return kLinks;
}

bool isValidForumHost(std::string_view host) {
    const std::size_t colon = host.find(':');
    if (colon == std::string_view::npos)
        return isValidName(host);
    return isValidName(host.substr(0, colon)) && isValidPort(host.substr(colon + 1));
}

std::string forumHost(const IniStore& settings) {
    const std::string stored =
        settings.readString(setting::LinksHost.section, setting::LinksHost.key);
    return isValidForumHost(stored) ? stored : std::string(kBuiltInForumHost);
}

std::string forumAddress(std::string_view host, std::string_view path) {
    std::string address = "http://";
    address += host;
    address += path;
    return address;
}

std::optional<std::string> forumAddressFor(cmd::Id command, std::string_view host) {
    for (const ForumLink& link : kLinks)
        if (link.command == command)
            return forumAddress(host, link.path);
    return std::nullopt;
}

void registerLinkCommands(CommandRegistry& commands, const IniStore& settings,
                          const LinkOpener& links) {
    for (const ForumLink& link : kLinks)
        commands.add(link.command, [&settings, &links, path = link.path] {
            links.open(forumAddress(forumHost(settings), path));
        });
}

} // namespace quolan
