#pragma once

#include "core/editor/EditorModel.h"
#include "core/editor/Messages.h"

#include <span>
#include <string_view>

namespace quolan {

// Where a smiley button shows its picture, seen from its caption.
enum class PictureSide { Right, Left, Below, Above };

// One button of the smiley palette. Positions are in pixels within its page.
struct Smiley {
    int page; // index into smileyPages()
    std::string_view button;
    std::string_view caption;
    std::string_view inserted; // what a click writes into the post
    int left;
    int top;
    int width;
    int height;
    int pictureWidth;
    int pictureHeight;
    PictureSide side;
};

struct SmileyPage {
    std::string_view name;
    std::string_view caption;
};

// The page control that holds the pages; every button lies inside it.
inline constexpr int kSmileyPagesWidth = 457;
inline constexpr int kSmileyPagesHeight = 297;

std::span<const SmileyPage> smileyPages();

// In page order, then top to bottom and left to right.
std::span<const Smiley> smileyTable();

// Writes the smiley's code over the selection, or at the caret, and tells the
// user when the post cannot hold it.
void insertSmiley(EditorModel& editor, const Smiley& smiley, const ReportError& report);

} // namespace quolan
