#pragma once

#include <QString>

namespace quolan {

// The program's folder for what it keeps between runs that is neither a
// setting nor a user's file: $XDG_STATE_HOME/quolan, by default
// ~/.local/state/quolan. Not created here.
QString userStateFolder();

} // namespace quolan
