// Hunspell against Nuspell with the same Debian dictionaries: loading, a
// verdict on every word of a forum-like post (nothing remembered), and the
// suggestions the context menu waits for.
#include "core/spell/HunspellChecker.h"
#include "core/spell/TextCodes.h"
#include "core/spell/WordSplitter.h"
#include "support/BenchSupport.h"

#include <cstdio>
#include <hunspell/hunspell.hxx>
#include <nuspell/dictionary.hxx>
#include <string>
#include <vector>

using namespace quolan;
using quolan::bench::medianMs;

int main() {
    const std::string post = bench::forumPost(1'000'000);
    std::vector<std::pair<std::string, spell::Script>> words;
    spell::splitWords(post, spell::Region::Prose, [&](const spell::Word& word) {
        words.emplace_back(spell::cp1251ToUtf8(post.substr(word.position, word.length)),
                           word.script);
    });
    const std::string folder = "/usr/share/hunspell/";
    const auto path = [&](spell::Script script, const char* extension) {
        return folder + (script == spell::Script::Russian ? "ru_RU" : "en_US") + extension;
    };
    std::printf("%-52s %12s %12s\n", "", "Hunspell", "Nuspell");

    std::unique_ptr<Hunspell> hunspell[2];
    nuspell::Dictionary nuspell[2];
    const double hunspellLoad = medianMs(1, [&] {
        for (const auto script : {spell::Script::Russian, spell::Script::English})
            hunspell[static_cast<int>(script)] = std::make_unique<Hunspell>(
                path(script, ".aff").c_str(), path(script, ".dic").c_str());
    });
    const double nuspellLoad = medianMs(1, [&] {
        for (const auto script : {spell::Script::Russian, spell::Script::English})
            nuspell[static_cast<int>(script)].load_aff_dic(path(script, ".aff"));
    });
    std::printf("%-52s %9.1f ms %9.1f ms\n", "load the Russian and English dictionaries",
                hunspellLoad, nuspellLoad);

    int rejected[2] = {0, 0};
    const double hunspellCheck = medianMs(3, [&] {
        rejected[0] = 0;
        for (const auto& [word, script] : words)
            rejected[0] += !hunspell[static_cast<int>(script)]->spell(word);
    });
    const double nuspellCheck = medianMs(3, [&] {
        rejected[1] = 0;
        for (const auto& [word, script] : words)
            rejected[1] += !nuspell[static_cast<int>(script)].spell(word);
    });
    std::printf("%-52s %9.1f ms %9.1f ms\n", "check every word of a 1 MB post", hunspellCheck,
                nuspellCheck);
    std::printf("  (%zu words; rejected: %d and %d)\n", words.size(), rejected[0], rejected[1]);

    const std::pair<std::string, spell::Script> misspelt[] = {{"карова", spell::Script::Russian},
                                                              {"малоко", spell::Script::Russian},
                                                              {"swrod", spell::Script::English}};
    for (const auto& entry : misspelt) {
        const int dictionary = static_cast<int>(entry.second);
        std::vector<std::string> found;
        const double a = medianMs(3, [&] { found = hunspell[dictionary]->suggest(entry.first); });
        const double b = medianMs(3, [&] {
            found.clear();
            nuspell[dictionary].suggest(entry.first, found);
        });
        std::printf("%-52s %9.1f ms %9.1f ms  (%s)\n", "suggestions for a misspelt word", a, b,
                    entry.first.c_str());
    }
    return 0;
}
