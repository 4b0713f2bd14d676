#pragma once

#include <QIcon>

#include <string_view>

namespace quolan {

// The smiley palette's pictures, our own drawings, by the button that shows
// them and at that button's picture size; a null icon for an unknown button.
QIcon smileyPicture(std::string_view button);

// The small picture of the menu item that opens the palette.
QIcon smileyMenuPicture();

} // namespace quolan
