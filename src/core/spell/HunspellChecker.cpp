#include "HunspellChecker.h"

#include "core/spell/TextCodes.h"

#include <hunspell/hunspell.hxx>
#include <system_error>

namespace quolan::spell {

namespace {
const std::filesystem::path kSystemFolders[] = {"/usr/share/hunspell", "/usr/share/myspell",
                                                "/usr/share/myspell/dicts"};

std::string_view dictionaryName(Script script) {
    return script == Script::Russian ? "ru_RU" : "en_US";
}

std::size_t slot(Script script) {
    return static_cast<std::size_t>(script);
}
} // namespace

std::span<const std::filesystem::path> systemDictionaryFolders() {
    return kSystemFolders;
}

std::string_view dictionaryPackage(Script script) {
    return script == Script::Russian ? "hunspell-ru" : "hunspell-en-us";
}

HunspellChecker::HunspellChecker(std::span<const std::filesystem::path> folders) {
    for (const Script script : {Script::Russian, Script::English}) {
        for (const std::filesystem::path& folder : folders) {
            const std::filesystem::path base = folder / dictionaryName(script);
            std::filesystem::path aff = base;
            std::filesystem::path dic = base;
            aff += ".aff";
            dic += ".dic";
            std::error_code error;
            if (!std::filesystem::is_regular_file(aff, error) ||
                !std::filesystem::is_regular_file(dic, error))
                continue;
            Dictionary& dictionary = dictionaries_[slot(script)];
            dictionary.library = std::make_unique<Hunspell>(aff.c_str(), dic.c_str());
            dictionary.encoding = dictionary.library->get_dict_encoding();
            break;
        }
    }
}

HunspellChecker::~HunspellChecker() = default;

bool HunspellChecker::hasDictionary(Script script) const {
    return dictionaries_[slot(script)].library != nullptr;
}

bool HunspellChecker::accepts(std::string_view word, Script script) {
    const Dictionary& dictionary = dictionaries_[slot(script)];
    if (!dictionary.library)
        return true;
    const auto encoded = toDictionary(word, dictionary.encoding);
    return encoded && dictionary.library->spell(*encoded);
}

std::vector<std::string> HunspellChecker::suggest(std::string_view word, Script script) {
    const Dictionary& dictionary = dictionaries_[slot(script)];
    std::vector<std::string> out;
    const auto encoded =
        dictionary.library ? toDictionary(word, dictionary.encoding) : std::nullopt;
    if (!encoded)
        return out;
    for (const std::string& suggestion : dictionary.library->suggest(*encoded))
        if (auto inPost = fromDictionary(suggestion, dictionary.encoding))
            out.push_back(std::move(*inPost));
    return out;
}

} // namespace quolan::spell
