#include "StartupSequence.h"

namespace quolan {

namespace {
constexpr StartupRow kRows[] = {
    {1, "TMainForm", "MainForm", 5, "Главная форма"},
    {2, "TUrlCreate", "UrlCreate", 10, "URL form"},
    {3, "TColorFrm", "ColorFrm", 15, "Color form"},
    {4, "TSizeFrm", "SizeFrm", 20, "Size form"},
    {5, "TImageFrm", "ImageFrm", 25, "Image form"},
    {6, "TFontFrm", "FontFrm", 30, "Font form"},
    {7, "TAbout", "About", 35, "About form"},
    {8, "TExitFrm2", "ExitFrm2", 50, {}},
    {9, "TEmailFrm", "EmailFrm", 55, "Email form"},
    {10, "TLanFrm", "LanFrm", 60, "Lan form"},
    {11, "TCredits", "Credits", 65, "Credits form"},
    {12, "TFocusFrm", "FocusFrm", 70, "Focus form"},
    {13, "TSAfrm", "SAfrm", 75, "SA form"},
    {14, "TCreateNewFrm", "CreateNewFrm", 80, "Create form"},
    {15, "THistoryFrm", "HistoryFrm", 85, "History form"},
    {16, "TSmileFRM", "SmileFRM", 90, "Smile form"},
    {17, "THelpFrm", "HelpFrm", 95, "Help form"},
    {18, "TOptions", "Options", 100, "Загрузка завершена"},
};
} // namespace

std::span<const StartupRow> startupRows() {
    return kRows;
}

void runStartup(std::span<const StartupRow> rows,
                const std::function<bool(const StartupRow&)>& create, StartupProgress& progress) {
    progress.setProgress(0);
    progress.appendLog(kStartupFirstLogLine);
    progress.refresh();
    for (const StartupRow& row : rows) {
        if (!create(row))
            continue;
        progress.setProgress(row.progress);
        if (!row.logLine.empty())
            progress.appendLog(row.logLine);
        progress.refresh();
    }
}

} // namespace quolan
