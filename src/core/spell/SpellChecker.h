#pragma once

#include "core/spell/WordSplitter.h"

#include <string>
#include <string_view>
#include <vector>

namespace quolan::spell {

// A spelling library with a dictionary per script. Words are Windows-1251.
class SpellChecker {
public:
    virtual ~SpellChecker() = default;

    // Whether a dictionary of that script was found.
    virtual bool hasDictionary(Script script) const = 0;
    // Whether the dictionary of the script accepts the word; true without one.
    virtual bool accepts(std::string_view word, Script script) = 0;
    // The dictionary's suggestions for the word, best first; only those the
    // code page can hold.
    virtual std::vector<std::string> suggest(std::string_view word, Script script) = 0;
};

} // namespace quolan::spell
