#pragma once

#include "core/spell/SpellChecker.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace quolan::spell {

// Spelling as the editor asks for it: the library's verdict on each word,
// remembered, overruled by the player's own words and by the words ignored
// in this post.
class Speller {
public:
    static constexpr std::size_t kMostSuggestions = 5;

    explicit Speller(std::shared_ptr<SpellChecker> checker);

    bool hasDictionary() const;
    bool hasDictionary(Script script) const { return checker_->hasDictionary(script); }
    bool isMisspelt(std::string_view word, Script script);
    std::vector<std::string> suggestions(std::string_view word, Script script);

    // The player's own words, one per line in UTF-8, as the file holds them.
    void setPersonalWords(std::string_view fileText);
    // The line that adds the word to that file.
    static std::string personalLine(std::string_view word);
    void addPersonalWord(std::string_view word);
    void ignore(std::string_view word);
    // A new post: nothing is ignored any more.
    void forgetIgnored();

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    using WordSet = std::unordered_set<std::string, Hash, std::equal_to<>>;

    std::shared_ptr<SpellChecker> checker_;
    std::unordered_map<std::string, bool, Hash, std::equal_to<>> verdicts_;
    WordSet personal_;
    WordSet ignored_;
};

} // namespace quolan::spell
