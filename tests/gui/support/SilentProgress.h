#pragma once

#include "core/app/StartupSequence.h"

#include <string_view>

namespace quolan::testing {

// Start-up progress for tests that build the program's windows without a
// splash screen to show it on.
class SilentProgress final : public StartupProgress {
public:
    void setProgress(int) override {}
    void appendLog(std::string_view) override {}
    void refresh() override {}
};

} // namespace quolan::testing
