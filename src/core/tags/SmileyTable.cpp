#include "SmileyTable.h"

namespace quolan {

namespace {
constexpr SmileyPage kPages[] = {
    {"TabSheet1", "Стандартные"},
    {"TabSheet2", "Дополнительные"},
};

constexpr auto R = PictureSide::Right;
constexpr auto L = PictureSide::Left;
constexpr auto B = PictureSide::Below;
constexpr auto A = PictureSide::Above;

// clang-format off
constexpr Smiley kSmileys[] = {
    {0, "SpeedButton5",  ":cool:",     ":cool:",     8,   8,   81, 36, 15, 15, R},
    {0, "SpeedButton26", ";)",         ";)",         96,  8,   81, 36, 15, 15, R},
    {0, "SpeedButton25", ":eek:",      ":eek:",      184, 8,   81, 36, 15, 15, R},
    {0, "SpeedButton27", ":rolleyes:", ":rolleyes:", 272, 8,   81, 36, 15, 15, R},
    {0, "SpeedButton31", ":rtfm:",     ":rtfm:",     360, 8,   86, 57, 64, 31, B},
    {0, "SpeedButton1",  ":angry:",    ":angry:",    8,   48,  81, 36, 15, 15, R},
    {0, "SpeedButton7",  ":)",         ":)",         96,  48,  81, 36, 15, 15, R},
    {0, "SpeedButton3",  ":D",         ":D",         184, 48,  81, 36, 15, 15, R},
    {0, "SpeedButton17", ":o",         ":o",         272, 48,  81, 36, 15, 15, R},
    {0, "SpeedButton32", ":search:",   ":search:",   360, 72,  86, 57, 39, 37, B},
    {0, "SpeedButton10", ":(",         ":(",         8,   88,  81, 36, 15, 15, R},
    {0, "SpeedButton6",  ":confused:", ":confused:", 96,  88,  81, 36, 15, 22, R},
    {0, "SpeedButton8",  ":P",         ":p",         184, 88,  81, 36, 15, 15, R},
    {0, "SpeedButton11", ":mad:",      ":mad:",      272, 88,  81, 36, 15, 15, R},
    {0, "SpeedButton22", ":flop:",     ":flop:",     8,   128, 81, 25, 15, 15, R},
    {0, "SpeedButton4",  ":top:",      ":top:",      96,  128, 81, 25, 15, 15, R},
    {0, "SpeedButton23", ":drink:",    ":drink:",    184, 128, 81, 25, 19, 17, R},
    {0, "SpeedButton24", "\\m/",       "\\m/",       272, 128, 81, 25, 19, 17, R},
    {0, "SpeedButton33", ":'(",        ":`(",        360, 136, 86, 33, 19, 20, L},
    {0, "SpeedButton12", ":freud:",    ":freud:",    8,   160, 81, 57, 32, 32, B},
    {0, "SpeedButton2",  "[censored]", "[censored]", 96,  160, 81, 57, 51, 21, B},
    {0, "SpeedButton9",  ":censored:", ":censored:", 184, 160, 81, 57, 51, 21, B},
    {0, "SpeedButton28", ":bug:",      ":bug:",      272, 160, 81, 57, 23, 29, R},
    {0, "SpeedButton34", ":devil:",    ":devil:",    360, 176, 86, 41, 18, 24, R},
    {0, "SpeedButton35", ":in love:",  ":in love:",  8,   224, 81, 41, 22, 19, L},
    {0, "SpeedButton36", ":rose:",     ":rose:",     96,  224, 81, 41, 18, 24, L},
    {0, "SpeedButton37", ":-[",        ":-[",        184, 224, 81, 41, 19, 20, L},
    {0, "SpeedButton38", ":smiting:",  ":smiting:",  272, 224, 81, 41, 35, 15, B},
    {0, "SpeedButton39", ":-!",        ":-!",        360, 224, 86, 41, 20, 25, L},
    {1, "SpeedButton15", ":seraph:",   ":seraph:",   8,   16,  65, 97, 46, 72, B},
    {1, "SpeedButton14", ":Perse2:",   ":Perse2:",   85,  16,  65, 97, 46, 72, B},
    {1, "SpeedButton13", ":mero:",     ":mero:",     165, 16,  65, 97, 46, 72, B},
    {1, "SpeedButton16", ":smiths:",   ":smiths:",   248, 16,  97, 97, 92, 49, B},
    {1, "SpeedButton30", ":Pokemon:",  ":Pokemon:",  363, 16,  81, 97, 53, 53, A},
    {1, "SpeedButton19", ":Perse:",    ":Perse:",    8,   160, 65, 97, 46, 72, B},
    {1, "SpeedButton20", ":sati:",     ":sati:",     85,  160, 65, 97, 29, 38, B},
    {1, "SpeedButton18", ":ghost:",    ":ghost:",    165, 160, 65, 97, 46, 72, B},
    {1, "SpeedButton21", ":twins:",    ":twins:",    248, 160, 97, 97, 56, 68, B},
    {1, "SpeedButton40", ":smith:",    ":smith:",    363, 160, 81, 97, 46, 72, B},
};
// clang-format on
} // namespace

std::span<const SmileyPage> smileyPages() {
    return kPages;
}

std::span<const Smiley> smileyTable() {
    return kSmileys;
}

void insertSmiley(EditorModel& editor, const Smiley& smiley, const ReportError& report) {
    if (editor.replaceSelection(smiley.inserted) == EditorModel::Result::TooLarge && report)
        report(msg::TextExceedsCapacity);
}

} // namespace quolan
