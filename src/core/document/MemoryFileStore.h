#pragma once

#include "core/document/FileStore.h"

#include <map>

namespace quolan {

// Files kept in memory: for a main window that has no settings file.
class MemoryFileStore : public FileStore {
public:
    Read read(const std::string& path, std::size_t limit) override {
        const auto found = files.find(path);
        if (found == files.end())
            return {Read::Status::Missing, {}, "No such file or directory"};
        if (found->second.size() > limit)
            return {Read::Status::TooLarge, {}, {}};
        return {Read::Status::Ok, found->second, {}};
    }

    Written replace(const std::string& path, std::string_view bytes) override {
        files[path] = std::string(bytes);
        return {true, {}};
    }

    std::map<std::string, std::string, std::less<>> files;
};

} // namespace quolan
