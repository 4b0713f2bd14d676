#pragma once

#include "core/document/FileStore.h"
#include "gui/shell/StateFolder.h"

#include <QString>

namespace quolan {

// Files on disk. Only regular files are read: a pipe or a device is refused
// before it is opened, as opening one may wait for ever. A replacement is
// written beside the old file and renamed over it (ReplaceByRename.h), and
// reasons for failures are the system's own.
class QtFileStore final : public FileStore {
public:
    enum class Fallback {
        None,
        // A file in a folder we may not write can still be rewritten in
        // place when the file itself may be written; its old bytes are kept
        // aside in `recordFolder` until the rewrite is done
        // (InPlaceRewrite.h).
        WriteInPlace,
    };

    explicit QtFileStore(Fallback fallback = Fallback::None,
                         QString recordFolder = programStateFolder())
        : fallback_(fallback), recordFolder_(std::move(recordFolder)) {}

    Read read(const std::string& path, std::size_t limit) override;
    Written replace(const std::string& path, std::string_view bytes) override;

private:
    Fallback fallback_;
    QString recordFolder_;
};

} // namespace quolan
