#pragma once

#include "core/document/OutsideFiles.h"

#include <QStringList>

#include <string>
#include <vector>

class QWidget;

namespace quolan {

// The message boxes of files handed in from outside, over `parent`.
OutsideFileWindows outsideFileWindows(QWidget& parent);

// Paths as the post's files take them: absolute, as the open dialog gives.
std::vector<std::string> postPaths(const QStringList& paths);

} // namespace quolan
