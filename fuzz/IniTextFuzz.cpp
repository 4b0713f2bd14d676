// The settings file's text under any file and any value: a written value
// reads back, writing it again or writing what was read changes no byte, and
// every other key reads as before.
#include "FuzzCheck.h"
#include "core/settings/IniText.h"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>

namespace {

using namespace quolan;

// The program's own names, a few in other letter cases, and strangers.
constexpr std::string_view kSections[] = {"Size", "Font", "Language", "SIZE", "x"};
constexpr std::string_view kKeys[] = {"Top", "Left", "Name", "Installed", "name", "k"};

std::string withoutLineBreaks(std::string_view text) {
    std::string clean;
    for (const char c : text)
        if (c != '\r' && c != '\n')
            clean += c;
    return clean;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string_view section = input.PickValueInArray(kSections);
    const std::string_view key = input.PickValueInArray(kKeys);
    const std::string value = input.ConsumeRandomLengthString(3 * ini::kValueLimit);
    const std::string file = input.ConsumeRemainingBytesAsString();

    const std::string written = ini::withValue(file, section, key, value);
    FUZZ_CHECK(ini::find(written, section, key) ==
               withoutLineBreaks(value).substr(0, ini::kValueLimit));
    FUZZ_CHECK(ini::withValue(written, section, key, value) == written);
    if (const auto read = ini::find(file, section, key))
        FUZZ_CHECK(ini::withValue(file, section, key, *read) == file);

    for (const std::string_view otherSection : kSections) {
        for (const std::string_view otherKey : kKeys) {
            if (ini::namesEqual(otherSection, section) && ini::namesEqual(otherKey, key))
                continue;
            FUZZ_CHECK(ini::find(written, otherSection, otherKey) ==
                       ini::find(file, otherSection, otherKey));
        }
    }
    return 0;
}
