#include "LanguageTable.h"

#include "core/i18n/ExtraLanguageTables.h"
#include "core/i18n/InterfaceRows.h"

#include <vector>

namespace quolan {

namespace {

using namespace interface_rows;

constexpr LanguageTable kInterfaceTables[] = {
    {"main menu bar", kMainMenuBar},    {"PopupMenu1", kTrayMenu},
    {"caption copies", kCaptionCopies}, {"MemoPopup and PopupMenu2", kEditorMenus},
    {"main window", kMainWindow},       {"other windows", kOtherWindows},
};

std::vector<LanguageTable> allTables() {
    std::vector<LanguageTable> tables(std::begin(kInterfaceTables), std::end(kInterfaceTables));
    for (const LanguageTable& extra : extraLanguageTables())
        tables.push_back(extra);
    return tables;
}

} // namespace

std::span<const LanguageTable> languageTables() {
    static const std::vector<LanguageTable> tables = allTables();
    return tables;
}

std::size_t interfaceTableCount() {
    return std::size(kInterfaceTables);
}

std::string elementName(const LanguageRow& row) {
    if (row.isWindowCaption())
        return std::string(row.window);
    if (row.window == kMainWindowName)
        return std::string(row.control);
    return std::string(row.window) + "." + std::string(row.control);
}

} // namespace quolan
