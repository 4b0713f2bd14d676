#pragma once

#include <cstddef>

namespace quolan {

// What one change of the editor text did, in text positions (bytes; a CR LF
// pair counts two). The range never starts or ends inside a CR LF pair.
struct TextChange {
    std::size_t position = 0;
    std::size_t removed = 0;       // bytes removed at `position`
    std::size_t inserted = 0;      // bytes inserted at `position`
    std::size_t removedBreaks = 0; // CR LF pairs among the removed bytes
    bool wholeText = false;        // load, set or clear replaced everything
};

} // namespace quolan
