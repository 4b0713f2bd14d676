#pragma once

#include "core/document/FileStore.h"
#include "core/editor/Messages.h"

#include <optional>
#include <string>
#include <string_view>

namespace quolan {

namespace msg {
std::string unableToWrite(std::string_view path);
}

// The settings file: every read looks at the file anew and every write goes
// to disk at once, replacing the file as a whole so that it is never left
// half-written. Nothing is cached.
class IniStore {
public:
    // Settings files larger than this are not ours to read or rewrite.
    static constexpr std::size_t kFileLimit = std::size_t{16} * 1024 * 1024;

    IniStore(FileStore& files, std::string path, ReportError report);

    const std::string& path() const { return path_; }

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback = {}) const;
    int readInteger(std::string_view section, std::string_view key, int fallback) const;

    // False, after telling the user "Unable to write to <path>", when the
    // write was refused; the file is then as it was.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    bool writeInteger(std::string_view section, std::string_view key, int value);

private:
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    FileStore& files_;
    std::string path_;
    ReportError report_;
};

} // namespace quolan
