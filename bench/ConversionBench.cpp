// Text conversion on a 10 MB forum-like post, side by side in one run:
//  - each conversion against a plain copy of the same buffer;
//  - each command on the editor model alone, for information;
//  - each whole-text command through the real main window (model and Memo)
//    against a bare QPlainTextEdit::setPlainText of the command's result.

#include "core/convert/ByteMap.h"
#include "core/convert/ConversionCommands.h"
#include "core/convert/MarkupConversion.h"
#include "core/convert/Transliteration.h"
#include "core/editor/EditorModel.h"
#include "core/ui/CommandIds.h"
#include "core/ui/CommandRegistry.h"
#include "gui/app/WiredMainForm.h"
#include "gui/editor/MemoEdit.h"
#include "gui/ui/QtText.h"
#include "support/BenchSupport.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace quolan;
using namespace quolan::bench;

namespace {

constexpr int kCoreRuns = 21;
constexpr int kViewRuns = 7;

// Keeps the optimiser from dropping work whose result nobody reads.
volatile unsigned sink = 0;
void use(const std::string& text) {
    sink = sink + static_cast<unsigned char>(text[text.size() / 2]);
}

void printInfo(const char* what, double ours, double baseline) {
    std::printf("%-58s %10.3f ms %10.3f ms %7.2fx\n", what, ours, baseline,
                baseline > 0 ? ours / baseline : 0);
}

void header(const char* what, const char* baseline) {
    std::printf("\n%-58s %13s %13s %8s\n", what, "ours", baseline, "ratio");
}

struct Conversion {
    const char* name;
    cmd::Id command;
    bool fromHtml; // runs on the post with its tags already in HTML form
    std::string (*convert)(std::string_view);
    double copyTarget; // 0: shown for information
};

const Conversion kConversions[] = {
    {"English -> Russian", cmd::EngToRusWhole, false,
     [](std::string_view t) { return transliterate(t, Transliteration::EnglishToRussian); }, 3.0},
    {"Russian -> English", cmd::RusToEngWhole, false,
     [](std::string_view t) { return transliterate(t, Transliteration::RussianToEnglish); }, 3.0},
    {"vB -> HTML", cmd::VbToHtml, false,
     [](std::string_view t) { return convert(t, MarkupDirection::VbToHtml); }, 0},
    {"HTML -> vB", cmd::HtmlToVb, true,
     [](std::string_view t) { return convert(t, MarkupDirection::HtmlToVb); }, 0},
};

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const std::string post = forumPost(10'000'000);
    std::string html = post;
    const std::size_t tags = convertInPlace(html, MarkupDirection::VbToHtml);
    std::printf("post: %zu bytes, %zu bold/underline/italic tags\n", post.size(), tags);
    const auto inputOf = [&](const Conversion& c) -> const std::string& {
        return c.fromHtml ? html : post;
    };

    header("conversion (core function, new string)", "copy");
    for (const Conversion& c : kConversions) {
        const std::string& input = inputOf(c);
        const auto [ours, copy] = sideBySide(
            kCoreRuns, [&] { use(c.convert(input)); }, [&] { use(std::string(input)); });
        const std::string what = std::string("convert ") + c.name;
        if (c.copyTarget > 0)
            printRow(what.c_str(), ours, copy, c.copyTarget);
        else
            printInfo(what.c_str(), ours, copy);
    }

    // The same transliterations on each path this processor offers, so that
    // the figure for a processor without the fastest one is known too.
    header("transliteration by processor path (copy, then map)", "copy");
    for (const Transliteration table :
         {Transliteration::EnglishToRussian, Transliteration::RussianToEnglish}) {
        ByteMap::Table bytes{};
        for (std::size_t b = 0; b < bytes.size(); ++b)
            bytes[b] = static_cast<unsigned char>(b);
        for (const LetterPair& pair : letterPairs(table))
            bytes[pair.source] = pair.target;
        const ByteMap map(bytes);
        for (const ByteMap::Path path : ByteMap::paths()) {
            const auto [ours, copy] = sideBySide(
                kCoreRuns,
                [&] {
                    std::string out(post);
                    map.apply(path, out.data(), out.data(), out.size());
                    use(out);
                },
                [&] { use(std::string(post)); });
            const char* const pathNames[] = {"portable", "AVX2", "AVX-512 VBMI"};
            const std::string what =
                std::string(table == Transliteration::EnglishToRussian ? "English -> Russian"
                                                                       : "Russian -> English") +
                ", " + pathNames[static_cast<int>(path)];
            printInfo(what.c_str(), ours, copy);
        }
    }

    header("command on the editor model, no view", "copy");
    {
        EditorModel model;
        CommandRegistry commands;
        registerConversionCommands(commands, model);
        for (const Conversion& c : kConversions) {
            const std::string& input = inputOf(c);
            const auto [ours, copy] = sideBySide(
                kCoreRuns, [&] { commands.run(c.command); }, [&] { use(std::string(input)); },
                [&] { model.setText(input); });
            printInfo((std::string(c.name) + ", whole text").c_str(), ours, copy);
        }
    }

    header("command in the main window, model and Memo", "setPlainText");
    {
        WiredMainForm form;
        form.show();
        MemoEdit& memo = form.memo();
        QPlainTextEdit bare;
        bare.setUndoRedoEnabled(false);
        bare.setVerticalScrollBarPolicy(memo.verticalScrollBarPolicy());
        bare.setHorizontalScrollBarPolicy(memo.horizontalScrollBarPolicy());
        bare.setLineWrapMode(memo.lineWrapMode());
        bare.setFont(memo.font());
        bare.resize(memo.size());
        bare.show();
        QApplication::processEvents();

        for (const Conversion& c : kConversions) {
            const std::string& input = inputOf(c);
            const QString before = displayText(input);
            const QString after = displayText(c.convert(input));
            const auto [ours, baseline] = sideBySide(
                kViewRuns,
                [&] {
                    form.runCommand(c.command);
                    QApplication::processEvents();
                },
                [&] {
                    bare.setPlainText(after);
                    QApplication::processEvents();
                },
                [&] {
                    form.editor().setText(input);
                    QApplication::processEvents();
                },
                [&] {
                    bare.setPlainText(before);
                    QApplication::processEvents();
                });
            if (postText(memo.toPlainText()) != c.convert(input)) {
                std::printf("%s: Memo does not show the converted post\n", c.name);
                return 1;
            }
            printRow((std::string(c.name) + ", whole text").c_str(), ours, baseline, 1.3);
        }
    }
    return 0;
}
