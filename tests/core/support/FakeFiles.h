#pragma once

#include "core/document/FileStore.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quolan::testing {

// Files in memory with the failures of real ones: folders that refuse new
// files, a disk that fills up, files that cannot be read.
class FakeFiles final : public FileStore {
public:
    Read read(const std::string& path, std::size_t limit) override {
        ++reads;
        if (unreadable.contains(path))
            return {Read::Status::Failed, {}, "Permission denied"};
        const auto found = files.find(path);
        if (found == files.end())
            return {Read::Status::Missing, {}, "No such file or directory"};
        if (found->second.size() > limit)
            return {Read::Status::TooLarge, {}, {}};
        return {Read::Status::Ok, found->second, {}};
    }

    Written replace(const std::string& path, std::string_view bytes) override {
        attempts.push_back(path);
        if (readOnlyFolders.contains(folderOf(path)))
            return {false, "Permission denied"};
        if (freeSpace && bytes.size() > *freeSpace)
            return {false, "No space left on device"};
        files[path] = std::string(bytes);
        written.push_back(path);
        return {true, {}};
    }

    static std::string folderOf(const std::string& path) {
        const std::size_t slash = path.rfind('/');
        return slash == std::string::npos ? std::string() : path.substr(0, slash);
    }

    std::map<std::string, std::string> files;
    std::set<std::string> readOnlyFolders;
    std::set<std::string> unreadable;
    std::optional<std::size_t> freeSpace;
    std::vector<std::string> attempts; // every replace, in order
    std::vector<std::string> written;  // the replaces that succeeded
    int reads = 0;
};

} // namespace quolan::testing
