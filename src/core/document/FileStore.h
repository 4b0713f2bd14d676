#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quolan {

// Files as whole byte strings: the settings file and the posts. Paths are
// UTF-8. A replacement either puts the new content in place completely or
// leaves the old file exactly as it was.
class FileStore {
public:
    struct Read {
        enum class Status { Ok, Missing, TooLarge, Failed };
        Status status = Status::Failed;
        std::string bytes;
        std::string reason; // the system's words for a failure
    };
    struct Written {
        bool ok = false;
        std::string reason;
    };

    virtual ~FileStore() = default;
    // A file longer than `limit` bytes is not read at all.
    virtual Read read(const std::string& path, std::size_t limit) = 0;
    virtual Written replace(const std::string& path, std::string_view bytes) = 0;
};

} // namespace quolan
