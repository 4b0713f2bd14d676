#pragma once

#include "core/settings/IniStore.h"
#include "core/ui/CommandIds.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quolan {

class CommandRegistry;
class LinkOpener;

// One quick link of the links menu: the item, its command and the page's
// path on the forum site (always starting with a slash).
struct ForumLink {
    std::string_view item;
    cmd::Id command;
    std::string_view path;
};

std::span<const ForumLink> forumLinks();

// The forum's site when the settings file names none (or names one badly).
inline constexpr std::string_view kBuiltInForumHost = "www.brennow.org";

// A host name of letters, digits, dots and hyphens in non-empty labels,
// optionally followed by ":" and a port of 1 to 65535. Nothing else: a value
// from a file must not change the scheme or the path of an address.
bool isValidForumHost(std::string_view host);

// The host from "Links"/"Host", read anew each time; the built-in one when
// the value is missing or not a valid host.
std::string forumHost(const IniStore& settings);

// "http://" + host + path.
std::string forumAddress(std::string_view host, std::string_view path);

// The address a link command opens; nothing for any other command.
std::optional<std::string> forumAddressFor(cmd::Id command, std::string_view host);

// The ten link commands: each hands one address to `links`, whose result
// nobody waits for. Both must outlive the commands.
void registerLinkCommands(CommandRegistry& commands, const IniStore& settings,
                          const LinkOpener& links);

} // namespace quolan
