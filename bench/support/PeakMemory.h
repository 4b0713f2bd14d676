#pragma once

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace quolan::bench {

// The process's peak resident memory (VmHWM) in MB, and a way to start the
// peak afresh so that one step's own peak can be told apart from earlier ones.
inline double peakResidentMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0; // given in kB
    return 0;
}

inline double residentMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// Linux resets VmHWM to the present resident size on "5".
inline bool resetPeakResident() {
    std::FILE* refs = std::fopen("/proc/self/clear_refs", "w");
    if (!refs)
        return false;
    const bool done = std::fputs("5", refs) >= 0;
    return std::fclose(refs) == 0 && done;
}

} // namespace quolan::bench
