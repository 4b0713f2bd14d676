// Find and replace on a 10 MB post: "find next" with the count of matches,
// and "replace all" of 100,000 matches, on the model alone and through the
// main window's find bar with the editor showing the result.
#include "core/editor/EditorModel.h"
#include "core/find/EditorFind.h"
#include "gui/app/WiredMainForm.h"
#include "gui/editor/MemoEdit.h"
#include "gui/find/FindBar.h"
#include "gui/ui/QtText.h"
#include "support/BenchSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>

#include <cstdio>

using namespace quolan;
using quolan::bench::medianMs;

namespace {

constexpr std::size_t kPostBytes = 10'000'000;
constexpr std::size_t kMatches = 100'000;

void printAbsolute(const char* what, double ms, double targetMs) {
    std::printf("%-62s %10.3f ms   (target <= %.0f ms)%s\n", what, ms, targetMs,
                ms <= targetMs ? "" : "  MISSED");
}

void printAgainst(const char* what, double ms, const char* baselineName, double baselineMs) {
    std::printf("%-62s %10.3f ms   (%s: %.3f ms)\n", what, ms, baselineName, baselineMs);
}

// A forum post with one word repeated every 100 bytes.
std::string postWithMatches(std::string_view word) {
    const std::string base = bench::forumPost(kPostBytes);
    const std::size_t piece = kPostBytes / kMatches - word.size();
    std::string out;
    out.reserve(kPostBytes + 1000);
    for (std::size_t i = 0; i < kMatches; ++i) {
        out.append(base, i * piece, piece);
        out.append(word);
    }
    return out;
}

void setFields(TMainForm& form, const QString& find, const QString& replacement) {
    form.findChild<QLineEdit*>(QStringLiteral("FindText"))->setText(find);
    form.findChild<QLineEdit*>(QStringLiteral("ReplaceText"))->setText(replacement);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::string word = postText(QStringLiteral(" Ёжик"));
    const std::string replacement = postText(QStringLiteral(" ЁЖИЩЕ!"));
    const std::string rare = postText(QStringLiteral("Последнее слово"));
    std::string post = bench::forumPost(kPostBytes);
    post.replace(post.size() - rare.size() - 2, rare.size(), rare);

    std::printf("== 10 MB post ==\n");
    {
        EditorModel model;
        model.loadText(post);
        const TextSearch search({postText(QStringLiteral("последнее СЛОВО")), false, false});
        std::size_t found = 0;
        const double ours = medianMs(21, [&] {
            model.setSelection(0, 0);
            found += findInEditor(model, search, SearchDirection::Forward).found ? 1u : 0u;
            found += countInEditor(model, search).total;
        });
        const std::string_view text = model.textView();
        const double plain = medianMs(21, [&] { found += text.find(rare) != text.npos ? 1u : 0u; });
        printAgainst("find next + count, model, one match at the end", ours,
                     "string_view::find, match case", plain);
        if (found == 0)
            std::printf("  (!) nothing found\n");
    }
    {
        WiredMainForm form;
        form.editor().loadText(post);
        form.show();
        QApplication::processEvents();
        setFields(form, QStringLiteral("последнее СЛОВО"), {});
        const double ms = medianMs(
            21, [&] { form.findBar().findNext(); }, [&] { form.editor().setSelection(0, 0); });
        QApplication::processEvents();
        printAbsolute("find next + count, through the bar, Memo shows the match", ms, 50);
        if (form.editor().selectionLength() == 0)
            std::printf("  (!) nothing selected\n");
    }

    const std::string many = postWithMatches(word);
    std::printf("\n== 10 MB post, %zu matches ==\n", kMatches);
    {
        EditorModel model;
        const TextSearch search({word, false, false});
        std::size_t replaced = 0;
        const double ms = medianMs(
            7, [&] { replaced = replaceAllInEditor(model, search, replacement).replacements; },
            [&] { model.loadText(many); });
        printAbsolute("replace all, model only", ms, 1000);
        if (replaced != kMatches)
            std::printf("  (!) replaced %zu\n", replaced);
    }
    {
        WiredMainForm form;
        form.show();
        setFields(form, displayText(word), displayText(replacement));
        std::string loaded;
        const double ms = medianMs(
            5,
            [&] {
                form.findBar().replaceAll();
                QApplication::processEvents(); // the editor lays the new text out
            },
            [&] {
                form.editor().loadText(many);
                loaded = form.editor().text();
                QApplication::processEvents();
            });
        printAbsolute("replace all, through the bar, Memo updated", ms, 1000);
        const double undo = medianMs(1, [&] {
            form.editor().undo();
            QApplication::processEvents();
        });
        printAbsolute("undo of that replace all, Memo updated", undo, 1000);
        if (form.editor().text() != loaded)
            std::printf("  (!) undo did not restore the post\n");
    }
    return 0;
}
