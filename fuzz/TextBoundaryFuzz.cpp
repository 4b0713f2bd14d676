// The text boundary: file bytes -> post text (CR LF breaks) -> displayed
// text and back, and platform text (UTF-16) -> post text. Every mapping keeps
// each character where the line-break index says it is, and every way back
// gives the post it came from.
#include "FuzzCheck.h"
#include "core/editor/LineBreakIndex.h"
#include "core/text/LineBreaks.h"
#include "core/text/PlatformText.h"
#include "core/text/Windows1251.h"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>

namespace {

using namespace quolan;

std::string withoutBreaks(std::string_view text) {
    std::string out;
    for (const char c : text)
        if (c != '\r' && c != '\n')
            out += c;
    return out;
}

bool slowHasUnbrokenRun(std::string_view text, std::size_t limit) {
    std::size_t run = 0;
    for (const char c : text) {
        run = isWrapBreak(c) ? 0 : run + 1;
        if (run > limit)
            return true;
    }
    return false;
}

void checkBytes(std::string_view bytes, std::size_t limit) {
    const std::string post = toCrLf(bytes);
    FUZZ_CHECK(!hasLoneLineBreak(post));
    FUZZ_CHECK(toCrLf(post) == post);
    FUZZ_CHECK(hasLoneLineBreak(bytes) == (post != bytes));
    FUZZ_CHECK(withoutBreaks(post) == withoutBreaks(bytes));
    FUZZ_CHECK(hasUnbrokenRunLongerThan(bytes, limit) == slowHasUnbrokenRun(bytes, limit));

    // Each displayed character stands for the bytes the index maps it to.
    const std::u16string display = toDisplay(bytes);
    LineBreakIndex index;
    index.rebuild(bytes);
    FUZZ_CHECK(display.size() == bytes.size() - index.count());
    FUZZ_CHECK(index.toDisplay(bytes.size()) == display.size());
    for (std::size_t d = 0; d < display.size(); ++d) {
        const std::size_t t = index.toText(d);
        FUZZ_CHECK(t < bytes.size() && index.toDisplay(t) == d);
        const bool pair = bytes.substr(t, 2) == "\r\n";
        const auto byte = static_cast<unsigned char>(bytes[t]);
        const char16_t expected = pair           ? kDisplayLineBreak
                                  : byte == '\r' ? kLoneCrGlyph
                                  : byte == '\n' ? kLoneLfGlyph
                                                 : cp1251::decode(byte);
        FUZZ_CHECK(display[d] == expected);
        FUZZ_CHECK(cp1251::encode(cp1251::decode(byte)) == byte);
    }

    // Typed back from the display or the clipboard, the post is the same.
    FUZZ_CHECK(fromPlatform(toDisplay(post)) == post);
    FUZZ_CHECK(fromPlatform(toPlatform(bytes)) == post);
}

void checkPlatform(std::u16string_view platform) {
    const std::string post = fromPlatform(platform);
    FUZZ_CHECK(!hasLoneLineBreak(post));
    FUZZ_CHECK(fromPlatform(toDisplay(post)) == post);
    for (const char16_t c : platform)
        if (const auto byte = cp1251::encode(c))
            FUZZ_CHECK(cp1251::decode(*byte) == c);

    // Found references are whole and hold the offset. Without an "&" typed,
    // every "&" starts a reference that fromPlatform made, and each offset
    // inside one finds it.
    const std::u16string display = toDisplay(post);
    const bool onlyMadeReferences = platform.find(u'&') == std::u16string_view::npos;
    for (std::size_t offset = 0; offset <= display.size(); ++offset) {
        const auto found = referenceAround(display, offset);
        if (found) {
            const auto [first, second] = *found;
            FUZZ_CHECK(first < offset && offset < second && second <= display.size());
            FUZZ_CHECK(display.substr(first, 2) == u"&#" && display[second - 1] == u';');
            for (std::size_t i = first + 2; i + 1 < second; ++i)
                FUZZ_CHECK(display[i] >= u'0' && display[i] <= u'9');
        }
        if (onlyMadeReferences) {
            const std::size_t amp = display.rfind(u'&', offset == 0 ? 0 : offset - 1);
            const bool inside =
                offset > 0 && amp != std::u16string::npos && display.find(u';', amp) >= offset;
            FUZZ_CHECK(inside == found.has_value());
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto limit = input.ConsumeIntegralInRange<std::size_t>(0, 40);
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    checkBytes(bytes, limit);

    std::u16string platform(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < platform.size(); ++i)
        platform[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                            static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    checkPlatform(platform);
    return 0;
}
