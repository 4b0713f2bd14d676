#include "CommandLine.h"

#include <algorithm>
#include <array>

namespace quolan {

namespace {

// The window toolkit's own options, which it removes from the command line
// when the application object is made; those marked take the next word.
struct ToolkitOption {
    std::string_view name;
    bool takesValue;
};
constexpr std::array kToolkitOptions{
    ToolkitOption{"platform", true},
    ToolkitOption{"platformpluginpath", true},
    ToolkitOption{"platformtheme", true},
    ToolkitOption{"plugin", true},
    ToolkitOption{"display", true},
    ToolkitOption{"geometry", true},
    ToolkitOption{"qwindowgeometry", true},
    ToolkitOption{"qwindowicon", true},
    ToolkitOption{"qwindowtitle", true},
    ToolkitOption{"style", true},
    ToolkitOption{"stylesheet", true},
    ToolkitOption{"session", true},
    ToolkitOption{"name", true},
    ToolkitOption{"title", true},
    ToolkitOption{"qmljsdebugger", true},
    ToolkitOption{"reverse", false},
    ToolkitOption{"widgetcount", false},
    ToolkitOption{"nograb", false},
    ToolkitOption{"dograb", false},
    ToolkitOption{"sync", false},
};

// The words the terminal shows, in both languages.
using TerminalText = BilingualText;
constexpr TerminalText kUsage{"Использование: ", "Usage: "};
constexpr TerminalText kUsageArguments{" [ПАРАМЕТР]... [ФАЙЛ]\n", " [OPTION]... [FILE]\n"};
constexpr TerminalText kHelpBody{
    "Редактор записей с тегами форума Brennow.\n"
    "ФАЙЛ открывается при запуске, как командой \"Открыть\"; из нескольких\n"
    "файлов открывается первый.\n"
    "\n"
    "  -h, --help     показать эту справку и выйти\n"
    "      --version  показать версию и выйти\n",
    "A composer of posts with the Brennow forum's codes.\n"
    "FILE is opened at start-up, as the \"Open\" command does; of several\n"
    "files, the first is opened.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"};
constexpr TerminalText kUnknownOption{": неизвестный параметр '", ": unknown option '"};
constexpr TerminalText kTryHelp{"'\nПодробнее: ", "'\nTry '"};
constexpr TerminalText kTryHelpEnd{" --help\n", " --help' for more information.\n"};

// A toolkit option by its name without the leading dashes and any "=value".
const ToolkitOption* toolkitOption(std::string_view name) {
    const auto found =
        std::find_if(kToolkitOptions.begin(), kToolkitOptions.end(),
                     [name](const ToolkitOption& option) { return option.name == name; });
    return found == kToolkitOptions.end() ? nullptr : &*found;
}

bool isOption(std::string_view word) {
    return word.size() > 1 && word.front() == '-';
}

CommandLine failed(std::string_view option) {
    CommandLine result;
    result.action = CommandLine::Action::Error;
    result.badOption = std::string(option);
    return result;
}

bool saysRussian(const char* value) {
    return value && std::string_view(value).starts_with("ru");
}

} // namespace

CommandLine parseCommandLine(std::span<const std::string_view> args) {
    CommandLine result;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view word = args[i];
        if (optionsEnded || !isOption(word)) {
            result.files.emplace_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        if (word == "--help" || word == "-h") {
            result.action = CommandLine::Action::Help;
            return result;
        }
        if (word == "--version") {
            result.action = CommandLine::Action::Version;
            return result;
        }
        // The toolkit takes its options with one dash or two, a value after
        // "=" or as the next word.
        std::string_view name = word.substr(word.starts_with("--") ? 2 : 1);
        const std::size_t equals = name.find('=');
        const bool valueAttached = equals != std::string_view::npos;
        if (valueAttached)
            name = name.substr(0, equals);
        const ToolkitOption* option = toolkitOption(name);
        if (!option || (valueAttached && !option->takesValue))
            return failed(word);
        if (option->takesValue && !valueAttached) {
            if (i + 1 == args.size())
                return failed(word);
            ++i;
        }
    }
    return result;
}

Language terminalLanguage(const char* lcAll, const char* lcMessages, const char* lang) {
    // The first of these that is set and not empty decides, as for every program.
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (value && *value)
            return saysRussian(value) ? Language::Russian : Language::English;
    }
    return Language::English;
}

std::string helpText(std::string_view program, Language language) {
    std::string text(kUsage.in(language));
    text += program;
    text += kUsageArguments.in(language);
    text += kHelpBody.in(language);
    return text;
}

std::string versionText() {
    std::string text = "Quolan ";
    text += QUOLAN_VERSION;
    text += '\n';
    return text;
}

std::string badOptionText(std::string_view program, std::string_view option, Language language) {
    std::string text(program);
    text += kUnknownOption.in(language);
    text += option;
    text += kTryHelp.in(language);
    text += program;
    text += kTryHelpEnd.in(language);
    return text;
}

} // namespace quolan
