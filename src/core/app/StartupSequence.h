#pragma once

#include <functional>
#include <span>
#include <string_view>

namespace quolan {

// One window of the start-up, in creation order, with the splash's progress
// position after it and the line it adds to the loading log (may be empty).
struct StartupRow {
    int step;
    std::string_view className;
    std::string_view instance;
    int progress;
    std::string_view logLine;
};

inline constexpr std::string_view kStartupFirstLogLine = "Идет загрузка: ";

std::span<const StartupRow> startupRows();

// What the splash shows while windows are created.
class StartupProgress {
public:
    virtual ~StartupProgress() = default;
    virtual void setProgress(int position) = 0;
    virtual void appendLog(std::string_view line) = 0;
    virtual void refresh() = 0; // repaint now: no event loop runs yet
};

// Logs the first line, then creates the rows' windows in order. `create`
// returns false for a row whose window this build does not have; such a row
// moves no progress and logs nothing.
void runStartup(std::span<const StartupRow> rows,
                const std::function<bool(const StartupRow&)>& create, StartupProgress& progress);

} // namespace quolan
