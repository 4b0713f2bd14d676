// The conversions against their plain loops: every path of a byte map (the
// vector ones included) on any table, buffer alignment and length, the two
// transliterations, and the one-scan tag conversion against six passes.
#include "FuzzCheck.h"
#include "core/convert/ByteMap.h"
#include "core/convert/MarkupConversion.h"
#include "core/convert/Transliteration.h"

#include <algorithm>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quolan;

// A table whose rows of sixteen values outside `changingRows` map to
// themselves, so that maps touching any number of rows come up.
ByteMap::Table tableFrom(FuzzedDataProvider& input) {
    const auto changingRows = input.ConsumeIntegral<std::uint16_t>();
    ByteMap::Table table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte) {
        const bool changes = (changingRows >> (byte / 16)) & 1U;
        table[byte] =
            changes ? input.ConsumeIntegral<unsigned char>() : static_cast<unsigned char>(byte);
    }
    return table;
}

void checkByteMap(FuzzedDataProvider& input, std::string_view text) {
    const ByteMap::Table table = tableFrom(input);
    const ByteMap map(table);
    const auto fromOffset = input.ConsumeIntegralInRange<std::size_t>(0, 63);
    const auto toOffset = input.ConsumeIntegralInRange<std::size_t>(0, 63);
    const bool inPlace = input.ConsumeBool();

    std::string expected(text);
    for (char& c : expected)
        c = static_cast<char>(table[static_cast<unsigned char>(c)]);

    // Guard bytes around the output catch a store past either end.
    constexpr char kGuard = '\x5A';
    for (const ByteMap::Path path : ByteMap::paths()) {
        std::vector<char> from(fromOffset + text.size());
        std::copy(text.begin(), text.end(), from.begin() + static_cast<std::ptrdiff_t>(fromOffset));
        std::vector<char> to(toOffset + text.size() + 64, kGuard);
        char* const out = inPlace ? from.data() + fromOffset : to.data() + toOffset;
        map.apply(path, from.data() + fromOffset, out, text.size());
        FUZZ_CHECK(std::string_view(out, text.size()) == expected);
        if (!inPlace)
            for (std::size_t i = 0; i < to.size(); ++i)
                if (i < toOffset || i >= toOffset + text.size())
                    FUZZ_CHECK(to[i] == kGuard);
    }
}

void checkTransliteration(std::string_view text) {
    for (const Transliteration table :
         {Transliteration::EnglishToRussian, Transliteration::RussianToEnglish}) {
        std::string expected(text);
        for (char& c : expected)
            for (const LetterPair& pair : letterPairs(table))
                if (static_cast<unsigned char>(c) == pair.source)
                    c = static_cast<char>(pair.target);
        FUZZ_CHECK(transliterate(text, table) == expected);
    }
}

std::string sixPasses(std::string text, MarkupDirection direction, std::size_t& replaced) {
    for (const MarkupPass& pass : markupPasses()) {
        const bool toHtml = direction == MarkupDirection::VbToHtml;
        const std::string_view pattern = toHtml ? pass.vb : pass.html;
        for (std::size_t at = text.find(pattern); at != std::string::npos;
             at = text.find(pattern, at + pattern.size())) {
            text.replace(at, pattern.size(), toHtml ? pass.html : pass.vb);
            ++replaced;
        }
    }
    return text;
}

void checkMarkup(std::string_view text) {
    for (const MarkupDirection direction : {MarkupDirection::VbToHtml, MarkupDirection::HtmlToVb}) {
        std::size_t expectedCount = 0;
        const std::string expected = sixPasses(std::string(text), direction, expectedCount);
        std::string converted(text);
        FUZZ_CHECK(convertInPlace(converted, direction) == expectedCount);
        FUZZ_CHECK(converted == expected);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string text = input.ConsumeRandomLengthString(size);
    checkTransliteration(text);
    checkMarkup(text);
    checkByteMap(input, text);
    return 0;
}
