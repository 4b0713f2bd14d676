#include "Speller.h"

#include "core/spell/TextCodes.h"

namespace quolan::spell {

Speller::Speller(std::shared_ptr<SpellChecker> checker) : checker_(std::move(checker)) {}

bool Speller::hasDictionary() const {
    return checker_->hasDictionary(Script::Russian) || checker_->hasDictionary(Script::English);
}

bool Speller::isMisspelt(std::string_view word, Script script) {
    if (personal_.find(word) != personal_.end() || ignored_.find(word) != ignored_.end())
        return false;
    if (const auto known = verdicts_.find(word); known != verdicts_.end())
        return !known->second;
    const bool accepted = checker_->accepts(word, script);
    verdicts_.emplace(std::string(word), accepted);
    return !accepted;
}

std::vector<std::string> Speller::suggestions(std::string_view word, Script script) {
    std::vector<std::string> all = checker_->suggest(word, script);
    if (all.size() > kMostSuggestions)
        all.resize(kMostSuggestions);
    return all;
}

void Speller::setPersonalWords(std::string_view fileText) {
    personal_.clear();
    while (!fileText.empty()) {
        const std::size_t end = fileText.find('\n');
        std::string_view line = fileText.substr(0, end);
        fileText = end == std::string_view::npos ? std::string_view{} : fileText.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (auto word = utf8ToCp1251(line); word && !word->empty())
            personal_.insert(std::move(*word));
    }
}

std::string Speller::personalLine(std::string_view word) {
    return cp1251ToUtf8(word) + "\n";
}

void Speller::addPersonalWord(std::string_view word) {
    personal_.emplace(word);
}

void Speller::ignore(std::string_view word) {
    ignored_.emplace(word);
}

void Speller::forgetIgnored() {
    ignored_.clear();
}

} // namespace quolan::spell
