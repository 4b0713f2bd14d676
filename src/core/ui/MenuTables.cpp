#include "MenuTables.h"

#include "core/find/FindTexts.h"
#include "core/i18n/InterfaceRows.h"
#include "core/ui/CommandIds.h"

#include <array>

namespace quolan {

namespace {

using F = MenuEntry::Flags;
// Captions with a row in the language table are the row's built text.
using interface_rows::builtCaption;
consteval std::string_view caption(std::string_view item) {
    return builtCaption(item);
}
constexpr unsigned kHidden = F::Hidden;
constexpr unsigned kTicked = F::Checkable | F::Checked;

constexpr MenuEntry kMainMenu[] = {
    {0, "N1", caption("N1")},
    {1, "N22", caption("N22"), "Ctrl+N", cmd::FileNew},
    {1, "N23", caption("N23"), "Ctrl+O", cmd::FileOpen},
    {1, "N69", caption("N69"), "Ctrl+S", cmd::FileSave},
    {1, "N20", caption("N20"), "Ctrl+Alt+S", cmd::FileSaveAs},
    {1, "N30", "-"},
    {1, "N2", caption("N2"), {}, cmd::Exit},

    {0, "N25", caption("N25")},
    {1, "N28", caption("N28"), "Ctrl+Z", cmd::Undo},
    {1, "N67", "Вперед", "Ctrl+X", cmd::Nothing, kHidden},
    {1, "N26", caption("N26"), "Ctrl+A", cmd::SelectAll},
    // Ctrl+F is the focus tag's: finding takes keys no other item has.
    {1, "FindSeparator1", "-"},
    {1, "Find1", findCaption("Find1"), "Ctrl+Shift+F", cmd::Find},
    {1, "FindNext1", findCaption("FindNext1"), "F3", cmd::FindNext},
    {1, "FindPrevious1", findCaption("FindPrevious1"), "Shift+F3", cmd::FindPrevious},
    {1, "Replace1", findCaption("Replace1"), "Ctrl+H", cmd::Replace},

    {0, "N29", caption("N29")},
    {1, "N31", caption("N31"), {}, cmd::EditorFont},
    {1, "N32", caption("N32"), {}, {}, kHidden},
    {2, "Brennow1", "Brennow"},
    {2, "N33", caption("N33")},
    {1, "N34", caption("N34")},
    {2, "N35", "Русский", {}, cmd::LanguageRussian},
    {2, "N36", "English", {}, cmd::LanguageEnglish},
    {1, "N57", caption("N57"), {}, cmd::WordWrap, kTicked},
    {1, "Spelling1", caption("Spelling1"), {}, cmd::Spelling, F::Checkable},
    {1, "Preview1", caption("Preview1"), "F5", cmd::Preview},

    {0, "N3", caption("N3")},
    {1, "Outofcharoocooc1", "Out of char [ooc][/ooc]", "Alt+O", cmd::TagOoc},
    {1, "N16", caption("N16"), "Alt+S", cmd::DialogSpecialAction},
    {1, "N15", caption("N15"), "Ctrl+F", cmd::DialogFocus},
    {1, "N5", caption("N5"), "Ctrl+Shift+I", cmd::DialogUrl},
    {1, "N6", caption("N6"), "Ctrl+E", cmd::DialogEmail},
    {1, "centercenter1", caption("centercenter1"), "Ctrl+Shift+C", cmd::TagCenter},
    {1, "N37", caption("N37"), "Ctrl+Shift+R", cmd::TagRight},
    {1, "N4", caption("N4"), "Ctrl+B", cmd::TagBold},
    {1, "N7", caption("N7"), "Ctrl+U", cmd::TagUnderline},
    {1, "N8", caption("N8"), "Ctrl+I", cmd::TagItalic},
    {1, "N9", caption("N9"), "Alt+C", cmd::DialogColor},
    {1, "N10", caption("N10"), "Alt+S", cmd::DialogSize, F::None, "Alt+Z"},
    {1, "N11", caption("N11"), "Alt+F", cmd::DialogFont},
    {1, "N13", caption("N13"), "Alt+I", cmd::DialogImage},
    {1, "N14", caption("N14"), "Alt+Q", cmd::TagQuote},
    {1, "Code1", "Code [code][/code]", "Alt+C", cmd::TagCode, F::None, "Alt+K"},
    {1, "PHP1", "PHP [php][/php]", "Alt+P", cmd::TagPhp},
    {1, "N61", "-"},
    {1, "N60", caption("N60"), "Ctrl+Shift+S", cmd::Smileys},

    {0, "N38", "Перекодировка", {}, {}, kHidden},
    {1, "vBHTML1", "vB -> HTML", "Ctrl+Shift+2", cmd::VbToHtml},
    {1, "HTML1", "HTML -> vB", "Ctrl+Shift+1", cmd::HtmlToVb},

    {0, "N64", "Настройки", {}, {}, kHidden},
    {1, "N65", "Общие", {}, cmd::Options},

    {0, "N12", caption("N12")},
    {1, "N24", caption("N24"), "Ctrl+C", cmd::CopySelection},
    {1, "N19", caption("N19"), "Ctrl+Shift+C", cmd::CopyAll, F::None, "Ctrl+Shift+A"},
    {1, "N21", caption("N21"), "Ctrl+V", cmd::Paste},

    {0, "N17", caption("N17")},
    {1, "N66", caption("N66"), "F1", cmd::Help},
    {1, "N18", caption("N18"), {}, cmd::About},
    {1, "N70", caption("N70"), {}, cmd::History},
};

constexpr MenuEntry kMemoPopup[] = {
    {0, "N58", caption("N58"), {}, cmd::CopySelection},
    {0, "N59", caption("N59"), {}, cmd::Paste},
    {0, "N27", "-"},
    {0, "N62", caption("N62")},
    {1, "EngToRus2", caption("EngToRus2"), {}, cmd::EngToRusSelection},
    {1, "RusToEng2", caption("RusToEng2"), {}, cmd::RusToEngSelection},
    {0, "N63", "-"},
    {0, "OOC1", caption("OOC1"), {}, cmd::TagOoc},
    {0, "SA1", caption("SA1"), {}, cmd::DialogSpecialAction},
    {0, "FOCUS1", caption("FOCUS1"), {}, cmd::DialogFocus},
    {0, "URL1", caption("URL1"), {}, cmd::DialogUrl},
    {0, "EMAIL1", caption("EMAIL1"), {}, cmd::DialogEmail},
    {0, "CENTER1", caption("CENTER1"), {}, cmd::TagCenter},
    {0, "RIGHT1", caption("RIGHT1"), {}, cmd::TagRight},
    {0, "BOLD1", caption("BOLD1"), {}, cmd::TagBold},
    {0, "UNDERLINE1", caption("UNDERLINE1"), {}, cmd::TagUnderline},
    {0, "ITALIC1", caption("ITALIC1"), {}, cmd::TagItalic},
    {0, "COLOR1", caption("COLOR1"), {}, cmd::DialogColor},
    {0, "SIZE1", caption("SIZE1"), {}, cmd::DialogSize},
    {0, "FONT1", caption("FONT1"), {}, cmd::DialogFont},
    {0, "IMAGE1", caption("IMAGE1"), {}, cmd::DialogImage},
    {0, "QUOTE1", caption("QUOTE1"), {}, cmd::TagQuote},
    {0, "CODE2", caption("CODE2"), {}, cmd::TagCode},
    {0, "PHP2", caption("PHP2"), {}, cmd::TagPhp},
};

constexpr MenuEntry kPopupMenu1[] = {
    {0, "N39", caption("N39"), {}, cmd::About},
    {0, "N71", caption("N71"), {}, cmd::Minimize},
    {0, "N43", caption("N43"), {}, cmd::Restore},
    {0, "N40", "-"},
    {0, "Brennow2", caption("Brennow2"), {}, cmd::LinkSite},
    {0, "N41", caption("N41")},
    {1, "N45", caption("N45"), {}, cmd::LinkSignUp},
    {1, "N49", "-"},
    {1, "N50", caption("N50")},
    {2, "N51", caption("N51"), {}, cmd::LinkForumRoot},
    {2, "N52", "-"},
    {2, "N55", caption("N55"), {}, cmd::LinkRules},
    {2, "FAQ1", "FAQ", {}, cmd::LinkFaq},
    {2, "N56", caption("N56"), {}, cmd::LinkGameProgress},
    {2, "N53", caption("N53"), {}, cmd::LinkCharacterRegistration},
    {2, "N54", "-"},
    {2, "N46", caption("N46"), {}, cmd::LinkMatrix},
    {2, "N47", caption("N47"), {}, cmd::LinkWaterDrain},
    {2, "N48", caption("N48"), {}, cmd::LinkZion},
    {0, "N44", "-"},
    {0, "N42", caption("N42"), {}, cmd::Exit},
};

constexpr MenuEntry kPopupMenu2[] = {
    {0, "EngToRus1", caption("EngToRus1"), {}, cmd::EngToRusWhole},
    {0, "RusToEng1", caption("RusToEng1"), {}, cmd::RusToEngWhole},
};

} // namespace

MenuTable mainMenu() {
    return kMainMenu;
}
MenuTable memoPopup() {
    return kMemoPopup;
}
MenuTable popupMenu1() {
    return kPopupMenu1;
}
MenuTable popupMenu2() {
    return kPopupMenu2;
}

bool hasChildren(MenuTable table, std::size_t index) {
    return index + 1 < table.size() && table[index + 1].depth > table[index].depth;
}

} // namespace quolan
