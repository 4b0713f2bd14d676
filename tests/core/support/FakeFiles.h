#pragma once

#include "core/document/MemoryFileStore.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quolan::testing {

// Files in memory with the failures of real ones: folders that refuse new
// files, a disk that fills up, files that cannot be read.
class FakeFiles final : public MemoryFileStore {
public:
    Read read(const std::string& path, std::size_t limit) override {
        ++reads;
        if (unreadable.contains(path))
            return {Read::Status::Failed, {}, "Permission denied"};
        return MemoryFileStore::read(path, limit);
    }

    Written replace(const std::string& path, std::string_view bytes) override {
        attempts.push_back(path);
        if (readOnlyFolders.contains(folderOf(path)))
            return {false, "Permission denied"};
        if (freeSpace && bytes.size() > *freeSpace)
            return {false, "No space left on device"};
        written.push_back(path);
        return MemoryFileStore::replace(path, bytes);
    }

    static std::string folderOf(const std::string& path) {
        const std::size_t slash = path.rfind('/');
        return slash == std::string::npos ? std::string() : path.substr(0, slash);
    }

    std::set<std::string> readOnlyFolders;
    std::set<std::string> unreadable;
    std::optional<std::size_t> freeSpace;
    std::vector<std::string> attempts; // every replace, in order
    std::vector<std::string> written;  // the replaces that succeeded
    int reads = 0;
};

} // namespace quolan::testing
