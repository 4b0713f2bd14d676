#pragma once

#include "core/document/OutsideFiles.h"

#include <QStringList>

#include <string>
#include <vector>

class QWidget;

namespace quolan {

// The message boxes of files handed in from outside, over `parent`.
OutsideFileWindows outsideFileWindows(QWidget& parent);

// Asked before the file at `path` replaces unsaved text, by the open
// command and by a drop alike.
ReplaceAnswer askBeforeReplacing(QWidget& parent, const std::string& path);

// Paths as the post's files take them: absolute, as the open dialog gives.
std::vector<std::string> postPaths(const QStringList& paths);

} // namespace quolan
