#pragma once

#include <map>
#include <string_view>

class QPainter;

// The smiley drawings by the name of the palette button that shows them.
namespace quolan::smiley {

using Drawing = void (*)(QPainter&);
using PictureSet = std::map<std::string_view, Drawing>;

void addStandardFaces(PictureSet& set);     // the faces of the standard page
void addStandardThings(PictureSet& set);    // its hands and things
void addCharacterPictures(PictureSet& set); // the larger characters

} // namespace quolan::smiley
