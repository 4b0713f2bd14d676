#pragma once

class QWidget;

namespace quolan {

// Alt with a key that no menu item or mnemonic takes types nothing into the
// editor, as on the desktop the program was made for. Characters of AltGr
// (which does not arrive as Alt alone) still type.
void typeNothingWithAlt(QWidget& editor);

} // namespace quolan
