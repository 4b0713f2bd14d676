#pragma once

#include "core/shell/LinkOpener.h"

namespace quolan {

// The program's one way to the browser: the desktop's, which starts it
// without waiting and runs no shell.
const LinkOpener& desktopLinks();

} // namespace quolan
