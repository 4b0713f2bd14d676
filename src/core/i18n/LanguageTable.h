#pragma once

#include "core/i18n/BilingualText.h"

#include <span>
#include <string>
#include <string_view>

namespace quolan {

// One element of the interface and its texts. The element is a window's
// caption (empty `control`) or a control of that window, named by object
// name; main-window elements name the window "MainForm". Texts are UTF-8, "&"
// marking the mnemonic where a caption has one. Rows are written English
// first, as the table reads.
struct LanguageRow {
    constexpr LanguageRow(std::string_view windowName, std::string_view controlName,
                          std::string_view english, std::string_view russian,
                          std::string_view builtWith = {}, std::string_view copiedFrom = {})
        : window(windowName), control(controlName), text{russian, english}, built(builtWith),
          copyOf(copiedFrom) {}

    std::string_view window;
    std::string_view control;
    BilingualText text;
    // The text the element is built with, where it differs from the Russian.
    std::string_view built;
    // A caption copy: the element takes the caption this main-menu item holds
    // at that moment; its own texts are then empty.
    std::string_view copyOf;

    constexpr bool isCaptionCopy() const { return !copyOf.empty(); }
    constexpr bool isWindowCaption() const { return control.empty(); }
    constexpr std::string_view builtText() const { return built.empty() ? text.russian : built; }
};

// A run of rows the commands apply together, in row order.
struct LanguageTable {
    std::string_view title;
    std::span<const LanguageRow> rows;
};

inline constexpr std::string_view kMainWindowName = "MainForm";

// Every table in the order the commands apply them: the six of the
// interface first, then the extra tables of the subsystems.
std::span<const LanguageTable> languageTables();
// How many of them are the interface's own; the extra ones follow.
std::size_t interfaceTableCount();

// How an element is spoken of: "N4", "About.Label1", "About" (its caption).
std::string elementName(const LanguageRow& row);

} // namespace quolan
