#include "RollbackRecord.h"

#include <charconv>

namespace quolan {

namespace {
// "QUOLAN-ROLLBACK 1 <path length> <byte count>\n" <path> <bytes>: lengths
// rather than separators, as a path may hold any byte but NUL.
constexpr std::string_view kHeader = "QUOLAN-ROLLBACK 1 ";

std::optional<std::size_t> number(std::string_view& rest, char end) {
    std::size_t value = 0;
    const auto [stop, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (error != std::errc() || stop == rest.data() || stop == rest.data() + rest.size() ||
        *stop != end)
        return std::nullopt;
    rest.remove_prefix(static_cast<std::size_t>(stop - rest.data()) + 1);
    return value;
}
} // namespace

std::string encodeRecord(const RollbackRecord& record) {
    std::string out(kHeader);
    out += std::to_string(record.path.size());
    out += ' ';
    out += std::to_string(record.bytes.size());
    out += '\n';
    out += record.path;
    out += record.bytes;
    return out;
}

std::optional<RollbackRecord> decodeRecord(std::string_view stored) {
    if (!stored.starts_with(kHeader))
        return std::nullopt;
    std::string_view rest = stored.substr(kHeader.size());
    const std::optional<std::size_t> pathLength = number(rest, ' ');
    const std::optional<std::size_t> byteCount = pathLength ? number(rest, '\n') : std::nullopt;
    if (!byteCount || *pathLength == 0 || rest.size() < *pathLength ||
        rest.size() - *pathLength != *byteCount)
        return std::nullopt;
    return RollbackRecord{std::string(rest.substr(0, *pathLength)),
                          std::string(rest.substr(*pathLength))};
}

} // namespace quolan
