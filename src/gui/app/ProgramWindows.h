#pragma once

#include "core/app/StartupSequence.h"

#include <memory>
#include <vector>

class QWidget;

namespace quolan {

struct WindowFactory;

// Owns every window of the program from start-up to exit.
class ProgramWindows {
public:
    ProgramWindows() = default;
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Creates the windows of the start-up table in order, reporting progress.
    void create(StartupProgress& progress);

private:
    struct Created {
        const WindowFactory* factory;
        std::unique_ptr<QWidget> window;
    };
    std::vector<Created> windows_;
};

} // namespace quolan
