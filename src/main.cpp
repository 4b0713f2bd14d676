#include "core/app/CommandLine.h"
#include "core/app/ProcessPreparation.h"
#include "gui/app/Program.h"
#include "gui/pictures/Pictures.h"

#include <QApplication>
#include <QFile>

#include <cstdlib>
#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char* argv[]) {
    quolan::prepareProcess();
    using quolan::CommandLine;
    // Help, version and mistakes are answered before any window system is
    // needed, so they work on a terminal without a display.
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const CommandLine line = quolan::parseCommandLine(args);
    const quolan::Language language = quolan::terminalLanguage(
        std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    constexpr std::string_view program = "quolan";
    switch (line.action) {
    case CommandLine::Action::Help:
        std::cout << quolan::helpText(program, language);
        return EXIT_SUCCESS;
    case CommandLine::Action::Version:
        std::cout << quolan::versionText();
        return EXIT_SUCCESS;
    case CommandLine::Action::Error:
        std::cerr << quolan::badOptionText(program, line.badOption, language);
        return quolan::kUsageExitStatus;
    case CommandLine::Action::Run:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quolan"));
    QApplication::setApplicationVersion(QStringLiteral(QUOLAN_VERSION));
    // Window managers match the window to its desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUOLAN_APP_ID));
    QApplication::setWindowIcon(quolan::programIcon());

    QStringList files;
    for (const std::string& file : line.files)
        files.append(QFile::decodeName(file.c_str()));
    return quolan::runProgram(files);
}
