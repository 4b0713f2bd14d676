#pragma once

#include <QString>

#include <string_view>

namespace quolan {

// Rewrites a file whose folder takes no new files (no temporary file can
// stand beside it) yet is itself writable, without ever leaving it cut
// short: its old bytes are first kept aside in a rollback record (core/
// document/RollbackRecord.h) in a folder we may write, synced; then the new
// bytes go over the old ones and are synced, and only then is the file cut
// to its new length and the record removed. A rewrite the system refuses
// part way (a full disk, the size limit) puts the old bytes back at once;
// one cut off by a kill or a power cut leaves the record, and the next read
// of the file puts them back. So the file reads as the whole old or the
// whole new content.
class InPlaceRewrite {
public:
    explicit InPlaceRewrite(QString recordFolder) : folder_(std::move(recordFolder)) {}

    // 0 or the system's error number; the file is then as it was.
    int rewrite(const QString& path, std::string_view bytes) const;
    // Puts back the old bytes of a rewrite of `path` that was cut off, if
    // any. 0 when the file is whole, or the error that keeps it from being
    // made whole.
    int rollBackCutOff(const QString& path) const;

    QString recordPath(const QString& path) const;

private:
    QString folder_;
};

} // namespace quolan
