#pragma once

#include "core/document/FileStore.h"

namespace quolan {

// Files on disk. A replacement goes through QSaveFile: written beside the
// old file, then renamed over it.
class QtFileStore final : public FileStore {
public:
    enum class Fallback {
        None,
        // A file in a folder we may not write can still be rewritten in
        // place (not atomically) when the file itself may be written.
        WriteInPlace,
    };

    explicit QtFileStore(Fallback fallback = Fallback::None) : fallback_(fallback) {}

    Read read(const std::string& path, std::size_t limit) override;
    Written replace(const std::string& path, std::string_view bytes) override;

private:
    Fallback fallback_;
};

} // namespace quolan
