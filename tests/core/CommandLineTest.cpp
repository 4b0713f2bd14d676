#include "core/app/CommandLine.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace quolan {
namespace {

CommandLine parse(std::initializer_list<std::string_view> words) {
    const std::vector<std::string_view> args(words);
    return parseCommandLine(args);
}

using Action = CommandLine::Action;

TEST(CommandLine, filesAreKeptInOrderAndNothingElseIsAsked) {
    EXPECT_EQ(parse({}).action, Action::Run);
    EXPECT_TRUE(parse({}).files.empty());
    const CommandLine line = parse({"post.txt", "-", "второй пост.txt"});
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.files, (std::vector<std::string>{"post.txt", "-", "второй пост.txt"}));
}

TEST(CommandLine, helpAndVersionWinAtTheirPlace) {
    EXPECT_EQ(parse({"--help"}).action, Action::Help);
    EXPECT_EQ(parse({"a.txt", "-h"}).action, Action::Help);
    EXPECT_EQ(parse({"--version", "a.txt"}).action, Action::Version);
    // What comes first decides, as a reader would expect.
    EXPECT_EQ(parse({"--version", "--bogus"}).action, Action::Version);
    const CommandLine bad = parse({"--bogus", "--help"});
    EXPECT_EQ(bad.action, Action::Error);
    EXPECT_EQ(bad.badOption, "--bogus");
}

TEST(CommandLine, unknownOptionsAreErrors) {
    for (std::string_view word :
         {"-x", "--verbose", "--help=1", "--reverse=yes", "---help", "-version"}) {
        const CommandLine line = parse({"a.txt", word});
        EXPECT_EQ(line.action, Action::Error) << word;
        EXPECT_EQ(line.badOption, word);
    }
}

TEST(CommandLine, toolkitOptionsAndTheirValuesAreNotFiles) {
    const CommandLine line = parse({"-platform", "offscreen", "--style=Fusion", "-reverse",
                                    "--qwindowgeometry", "100x100", "post.txt"});
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.files, (std::vector<std::string>{"post.txt"}));
    // A value missing at the end is an error, not a silent file.
    EXPECT_EQ(parse({"-platform"}).action, Action::Error);
}

TEST(CommandLine, aDoubleDashEndsTheOptions) {
    const CommandLine line = parse({"--", "--help", "-x"});
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.files, (std::vector<std::string>{"--help", "-x"}));
}

TEST(CommandLine, theTerminalLanguageFollowsTheLocaleVariablesInOrder) {
    EXPECT_EQ(terminalLanguage(nullptr, nullptr, nullptr), Language::English);
    EXPECT_EQ(terminalLanguage(nullptr, nullptr, "ru_RU.UTF-8"), Language::Russian);
    EXPECT_EQ(terminalLanguage("C", nullptr, "ru_RU.UTF-8"), Language::English);
    EXPECT_EQ(terminalLanguage("", "ru_RU.UTF-8", "en_GB.UTF-8"), Language::Russian);
}

TEST(CommandLine, textsNameTheProgramAndTheOption) {
    const std::string help = helpText("quolan", Language::English);
    EXPECT_TRUE(help.starts_with("Usage: quolan [OPTION]... [FILE]\n")) << help;
    EXPECT_NE(help.find("--version"), std::string::npos);
    EXPECT_TRUE(helpText("quolan", Language::Russian).starts_with("Использование: quolan"));
    EXPECT_TRUE(versionText().starts_with("Quolan 1."));
    EXPECT_EQ(versionText().back(), '\n');
    EXPECT_EQ(badOptionText("quolan", "--bogus", Language::English),
              "quolan: unknown option '--bogus'\nTry 'quolan --help' for more information.\n");
}

} // namespace
} // namespace quolan
