#pragma once

class QWidget;

namespace quolan {

// Moves a window that is about to be shown beside its owner, inside the free
// area of the owner's screen, made smaller if the screen is smaller than it.
void placeBesideOwner(QWidget& window, const QWidget& owner);

} // namespace quolan
