#pragma once

#include <QString>

#include <string_view>
#include <sys/types.h>

namespace quolan {

// Replaces the file at `path` as a whole: the bytes go to a temporary file
// of our own naming beside it (core/document/TemporaryNames.h), which is
// synced and renamed over the file, and then the folder is synced. The
// file is the whole old or the whole new content at every moment, a kill
// included. An existing file's permissions carry over. Once the file is in
// place, temporary files of earlier saves of it that were cut off are
// removed. 0 or the system's error number; a folder that takes no new
// files answers EACCES and changes nothing. A file that did not exist gets
// `newFileMode` (less the umask).
int replaceByRename(const QString& path, std::string_view bytes, mode_t newFileMode = 0666);

} // namespace quolan
