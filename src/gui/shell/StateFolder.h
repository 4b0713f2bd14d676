#pragma once

#include <QString>

namespace quolan {

// The per-user folder of what the program keeps between runs that is no
// setting: $XDG_STATE_HOME/quolan, or ~/.local/state/quolan. It is made when
// something is first written there.
QString programStateFolder();

} // namespace quolan
