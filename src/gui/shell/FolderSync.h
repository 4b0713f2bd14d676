#pragma once

#include <QString>

namespace quolan {

// Makes the folder holding `path` durable: a file created, renamed or
// removed in it survives a power cut once this returns true. Syncing a
// file does not sync its folder's entry; call this after every rename into
// place. False when the folder cannot be opened or synced (some file
// systems cannot sync a folder at all); the file itself is not touched.
bool syncFolderOf(const QString& path);

} // namespace quolan
