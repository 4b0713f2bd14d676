#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quolan {

// What a file rewritten in place keeps aside until the rewrite is done: the
// file's path and its old bytes. A record that is found at the next read
// means the rewrite was cut off, and the old bytes go back.
struct RollbackRecord {
    std::string path;
    std::string bytes;
};

std::string encodeRecord(const RollbackRecord& record);
// Nothing unless the record is whole: its header, path and every byte.
std::optional<RollbackRecord> decodeRecord(std::string_view stored);

} // namespace quolan
