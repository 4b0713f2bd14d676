#include "SmileyPictures.h"

#include "PaintedIcon.h"
#include "SmileyPictureSet.h"
#include "core/tags/SmileyTable.h"

#include <algorithm>

namespace quolan {

namespace {
const smiley::PictureSet& pictures() {
    static const smiley::PictureSet set = [] {
        smiley::PictureSet all;
        smiley::addStandardFaces(all);
        smiley::addStandardThings(all);
        smiley::addCharacterPictures(all);
        return all;
    }();
    return set;
}
} // namespace

QIcon smileyPicture(std::string_view button) {
    const auto table = smileyTable();
    const auto row = std::find_if(table.begin(), table.end(),
                                  [&](const Smiley& s) { return s.button == button; });
    const auto drawing = pictures().find(button);
    if (row == table.end() || drawing == pictures().end())
        return {};
    return paintedIcon(drawing->second, QSizeF(row->pictureWidth, row->pictureHeight));
}

QIcon smileyMenuPicture() {
    return smileyPicture("SpeedButton7");
}

} // namespace quolan
