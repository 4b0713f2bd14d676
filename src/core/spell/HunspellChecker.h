#pragma once

#include "core/spell/SpellChecker.h"

#include <array>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

class Hunspell;

namespace quolan::spell {

// Where Debian keeps the dictionaries of hunspell-ru and hunspell-en-us.
std::span<const std::filesystem::path> systemDictionaryFolders();

// The package that brings the dictionary of a script.
std::string_view dictionaryPackage(Script script);

// Hunspell with the Russian and the English dictionary, each looked for in
// the folders given, first found wins. Loading takes a fraction of a second.
class HunspellChecker final : public SpellChecker {
public:
    explicit HunspellChecker(std::span<const std::filesystem::path> folders);
    ~HunspellChecker() override;
    HunspellChecker(const HunspellChecker&) = delete;
    HunspellChecker& operator=(const HunspellChecker&) = delete;

    bool hasDictionary(Script script) const override;
    bool accepts(std::string_view word, Script script) override;
    std::vector<std::string> suggest(std::string_view word, Script script) override;

private:
    struct Dictionary {
        std::unique_ptr<Hunspell> library;
        std::string encoding; // as its affix file declares it
    };

    std::array<Dictionary, 2> dictionaries_;
};

} // namespace quolan::spell
