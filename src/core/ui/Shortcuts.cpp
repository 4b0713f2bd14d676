#include "Shortcuts.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace quolan {

namespace {
constexpr std::array<std::string_view, 4> kModifierOrder = {"Ctrl", "Alt", "Shift", "Meta"};

std::string capitalised(std::string_view word) {
    std::string out;
    for (const char c : word)
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!out.empty())
        out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
    return out;
}

bool receives(const std::vector<ShortcutBinding>& bindings, std::string_view key,
              std::string_view item) {
    const std::string canonical = canonicalKey(key);
    return std::any_of(bindings.begin(), bindings.end(), [&](const ShortcutBinding& b) {
        return b.key == canonical && b.item == item;
    });
}
} // namespace

std::string canonicalKey(std::string_view key) {
    std::array<bool, kModifierOrder.size()> present{};
    std::string base;
    for (std::size_t start = 0; start <= key.size();) {
        const std::size_t end = std::min(key.find('+', start), key.size());
        std::string part = capitalised(key.substr(start, end - start));
        const auto modifier = std::find(kModifierOrder.begin(), kModifierOrder.end(), part);
        if (modifier != kModifierOrder.end())
            present[static_cast<std::size_t>(modifier - kModifierOrder.begin())] = true;
        else
            base = std::move(part);
        start = end + 1;
    }
    std::string out;
    for (std::size_t i = 0; i < kModifierOrder.size(); ++i) {
        if (present[i]) {
            out += kModifierOrder[i];
            out += '+';
        }
    }
    return out + base;
}

std::vector<ShortcutBinding> resolveShortcuts(MenuTable menu) {
    std::vector<ShortcutBinding> bindings;
    const auto offer = [&](std::string_view key, const MenuEntry& entry) {
        if (key.empty())
            return;
        std::string canonical = canonicalKey(key);
        const bool taken =
            std::any_of(bindings.begin(), bindings.end(),
                        [&](const ShortcutBinding& b) { return b.key == canonical; });
        if (!taken)
            bindings.push_back({std::move(canonical), entry.name, entry.command});
    };
    for (const MenuEntry& entry : menu)
        offer(entry.key, entry);
    // Spare keys come after every stored key, so that they can never take a
    // stored key away from the item that receives it.
    for (const MenuEntry& entry : menu)
        offer(entry.spareKey, entry);
    return bindings;
}

std::string displayedKey(const std::vector<ShortcutBinding>& bindings, const MenuEntry& entry) {
    if (!entry.key.empty() && receives(bindings, entry.key, entry.name))
        return canonicalKey(entry.key);
    if (!entry.spareKey.empty() && receives(bindings, entry.spareKey, entry.name))
        return canonicalKey(entry.spareKey);
    return {};
}

} // namespace quolan
