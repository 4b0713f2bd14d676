#include "IniStore.h"

#include "core/settings/IniText.h"

namespace quolan {

std::string msg::unableToWrite(std::string_view path) {
    return "Unable to write to " + std::string(path);
}

IniStore::IniStore(FileStore& files, std::string path, ReportError report)
    : files_(files), path_(std::move(path)), report_(std::move(report)) {}

std::optional<std::string> IniStore::value(std::string_view section, std::string_view key) const {
    const FileStore::Read file = files_.read(path_, kFileLimit);
    if (file.status != FileStore::Read::Status::Ok)
        return std::nullopt;
    return ini::find(file.bytes, section, key);
}

std::string IniStore::readString(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
    std::optional<std::string> found = value(section, key);
    return found ? std::move(*found) : std::string(fallback);
}

int IniStore::readInteger(std::string_view section, std::string_view key, int fallback) const {
    const std::optional<std::string> found = value(section, key);
    if (!found)
        return fallback;
    return ini::parseInteger(*found).value_or(fallback);
}

bool IniStore::writeString(std::string_view section, std::string_view key, std::string_view value) {
    const FileStore::Read file = files_.read(path_, kFileLimit);
    // A file that exists but cannot be read is left alone rather than
    // replaced by one that lost all its other lines.
    bool written = file.status == FileStore::Read::Status::Ok ||
                   file.status == FileStore::Read::Status::Missing;
    if (written)
        written = files_.replace(path_, ini::withValue(file.bytes, section, key, value)).ok;
    if (!written && report_)
        report_(msg::unableToWrite(path_));
    return written;
}

bool IniStore::writeInteger(std::string_view section, std::string_view key, int value) {
    return writeString(section, key, std::to_string(value));
}

} // namespace quolan
