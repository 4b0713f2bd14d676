#pragma once

#include <QFont>

namespace quolan {

// The small dialog face the dialogs' sizes are made for; where it is
// missing, a face of the same widths rather than whatever the system
// substitutes.
QFont dialogFont();

} // namespace quolan
