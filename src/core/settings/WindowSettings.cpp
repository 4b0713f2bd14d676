#include "WindowSettings.h"

#include "core/settings/SettingsKeys.h"

#include <algorithm>
#include <cstdint>

namespace quolan {

namespace {
struct Bound {
    SettingKey key;
    int WindowRect::*field;
};

// Read and written in this order.
constexpr Bound kBounds[] = {
    {setting::Top, &WindowRect::top},
    {setting::Left, &WindowRect::left},
    {setting::Width, &WindowRect::width},
    {setting::Height, &WindowRect::height},
};

bool overlaps(const WindowRect& window, const WindowRect& screen) {
    // 64 bits: stored values may be anything an int holds. A window too small
    // to have an area still stands where its corner is.
    const auto left = std::int64_t{window.left};
    const auto top = std::int64_t{window.top};
    const std::int64_t right = left + std::max(window.width, 1);
    const std::int64_t bottom = top + std::max(window.height, 1);
    const auto screenLeft = std::int64_t{screen.left};
    const auto screenTop = std::int64_t{screen.top};
    return left < screenLeft + screen.width && right > screenLeft &&
           top < screenTop + screen.height && bottom > screenTop;
}
std::int64_t overlapArea(const WindowRect& a, const WindowRect& b) {
    const auto span = [](std::int64_t from, std::int64_t length, std::int64_t otherFrom,
                         std::int64_t otherLength) {
        return std::max<std::int64_t>(0, std::min(from + length, otherFrom + otherLength) -
                                             std::max(from, otherFrom));
    };
    return span(a.left, a.width, b.left, b.width) * span(a.top, a.height, b.top, b.height);
}

// A window longer than the area's room lines up with the area (made as long
// as the room first when it can be resized); a shorter one keeps its place.
void fitSpan(int& start, int& length, int from, int room, bool resizable) {
    if (length <= room)
        return;
    if (resizable)
        length = room;
    start = from;
}
} // namespace

WindowRect readWindowGeometry(const IniStore& settings, WindowRect current) {
    for (const Bound& bound : kBounds)
        current.*bound.field =
            settings.readInteger(bound.key.section, bound.key.key, current.*bound.field);
    return current;
}

WindowRect placeOnScreens(WindowRect stored, WindowRect builtIn,
                          std::span<const WindowRect> screens) {
    const bool visible = std::any_of(screens.begin(), screens.end(),
                                     [&](const WindowRect& s) { return overlaps(stored, s); });
    return visible ? stored : builtIn;
}

WindowRect fitOnScreens(WindowRect window, std::span<const WindowRect> areas, bool resizable) {
    if (areas.empty())
        return window;
    const WindowRect& area = *std::max_element(
        areas.begin(), areas.end(), [&](const WindowRect& a, const WindowRect& b) {
            return overlapArea(window, a) < overlapArea(window, b);
        });
    fitSpan(window.left, window.width, area.left, area.width, resizable);
    fitSpan(window.top, window.height, area.top, area.height, resizable);
    return window;
}

bool writeClosingSettings(IniStore& settings, WindowRect bounds, std::string_view fontName) {
    for (const Bound& bound : kBounds)
        if (!settings.writeInteger(bound.key.section, bound.key.key, bounds.*bound.field))
            return false;
    return settings.writeString(setting::FontName.section, setting::FontName.key, fontName);
}

} // namespace quolan
