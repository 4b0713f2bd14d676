// Typing, loading and wrapping in the editor, each against a bare
// QPlainTextEdit doing the same work, on forum-like posts of 1 and 10 MB.
#include "core/editor/EditorModel.h"
#include "core/spell/HunspellChecker.h"
#include "core/spell/Speller.h"
#include "core/tags/SimpleTags.h"
#include "core/ui/CommandIds.h"
#include "gui/app/WiredMainForm.h"
#include "gui/editor/MemoEdit.h"
#include "gui/recovery/CopyWriter.h"
#include "gui/recovery/QtRecoveryStore.h"
#include "gui/spell/SpellHighlighter.h"
#include "gui/ui/QtText.h"
#include "support/BenchSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>

using namespace quolan;
using quolan::bench::medianMs;
using quolan::bench::printRow;

namespace {

constexpr int kKeystrokes = 300;

// Time per key press, typing at the caret in the middle of the text.
double typingMs(QPlainTextEdit& edit) {
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(edit.document()->characterCount() / 2);
    edit.setTextCursor(cursor);
    QApplication::processEvents();
    return medianMs(kKeystrokes, [&] { QTest::keyClick(&edit, Qt::Key_X); });
}

void measure(std::size_t bytes) {
    const std::string post = bench::forumPost(bytes);
    const QString shown = displayText(post);
    std::printf("\n== %zu MB post ==\n", bytes / 1000000);
    std::printf("%-58s %13s %13s %8s\n", "", "ours", "bare Qt", "ratio");

    // Loading: model and view against a bare setPlainText of the same text.
    {
        EditorModel model;
        MemoEdit memo(model);
        QPlainTextEdit bare;
        printRow("load the post into model and Memo",
                 bench::sideBySide(
                     7, [&] { model.loadText(post); }, [&] { bare.setPlainText(shown); },
                     [&] { model.clear(); }, [&] { bare.clear(); }),
                 1.3);
    }

    // Typing one character.
    {
        EditorModel model;
        model.loadText(post);
        MemoEdit memo(model);
        memo.show();
        QPlainTextEdit bare;
        bare.setUndoRedoEnabled(false);
        bare.setPlainText(shown);
        bare.show();
        const double ours = typingMs(memo);
        const double base = typingMs(bare);
        printRow("type one character in Memo", ours, base, 1.2);
        if (model.length() != post.size() + kKeystrokes)
            std::printf("  (!) the model missed keystrokes\n");
    }
    {
        WiredMainForm form;
        form.editor().loadText(post);
        form.show();
        QPlainTextEdit bare;
        bare.setUndoRedoEnabled(false);
        bare.setPlainText(shown);
        bare.show();
        const double ours = typingMs(form.memo());
        const double base = typingMs(bare);
        printRow("type one character in the main window (counter too)", ours, base, 1.2);
    }

    // Wrapping the whole post in a tag, against replacing it in a bare edit.
    {
        EditorModel model;
        MemoEdit memo(model);
        QPlainTextEdit bare;
        const QString wrapped = QStringLiteral("[b]") + shown + QStringLiteral("[/b]");
        printRow("wrap the whole post in [b]...[/b]",
                 bench::sideBySide(
                     5, [&] { wrapSelection(model, "[b]", "[/b]"); },
                     [&] {
                         QTextCursor cursor(bare.document());
                         cursor.select(QTextCursor::Document);
                         cursor.insertText(wrapped);
                     },
                     [&] {
                         model.loadText(post);
                         model.selectAll();
                     },
                     [&] { bare.setPlainText(shown); }),
                 1.3);
    }
}

} // namespace

// Spelling on against spelling off, on the same post: what the window's
// thread pays to show a new text, for the slices that check the rest, and
// for a key.
void measureSpelling(std::size_t bytes) {
    static const auto checker =
        std::make_shared<spell::HunspellChecker>(spell::systemDictionaryFolders());
    const std::string post = bench::forumPost(bytes);
    std::printf("\n== spelling, %zu MB post ==\n", bytes / 1000000);
    std::printf("%-58s %13s %13s %8s\n", "", "spelling on", "off", "ratio");

    spell::Speller speller(checker);
    EditorModel onModel;
    MemoEdit on(onModel);
    SpellHighlighter highlighter(on, speller);
    EditorModel offModel;
    MemoEdit off(offModel);
    on.resize(600, 400);
    off.resize(600, 400);
    on.show();
    off.show();
    const auto settle = [&] {
        while (highlighter.pending())
            QApplication::processEvents();
    };
    settle();
    printRow("open the post: text shown",
             bench::sideBySide(
                 5,
                 [&] {
                     onModel.loadText(post);
                     on.repaint();
                 },
                 [&] {
                     offModel.loadText(post);
                     off.repaint();
                 },
                 [&] {
                     onModel.clear();
                     settle();
                 },
                 [&] { offModel.clear(); }),
             1.3);

    // The rest in slices, with the verdicts of a first pass remembered.
    onModel.loadText(post);
    std::vector<double> slices;
    QElapsedTimer all;
    all.start();
    while (highlighter.pending()) {
        QElapsedTimer slice;
        slice.start();
        QApplication::processEvents();
        slices.push_back(static_cast<double>(slice.nsecsElapsed()) / 1e6);
    }
    std::sort(slices.begin(), slices.end());
    std::printf("%-58s %10.3f ms in %zu slices, longest %.3f ms (target <= 10 ms)%s\n",
                "check the rest of the post in the background",
                static_cast<double>(all.nsecsElapsed()) / 1e6, slices.size(),
                slices.empty() ? 0.0 : slices.back(),
                !slices.empty() && slices.back() > 10 ? "  MISSED" : "");

    offModel.loadText(post);
    QPlainTextEdit bare;
    bare.setUndoRedoEnabled(false);
    bare.setPlainText(displayText(post));
    bare.resize(600, 400);
    bare.show();
    const double typedOn = typingMs(on);
    const bool restsAfterKeys = !highlighter.pending();
    const double typedOff = typingMs(off);
    const double typedBare = typingMs(bare);
    printRow("type one character, spelling on / off", typedOn, typedOff, 1.2);
    printRow("type one character, spelling on / bare Qt", typedOn, typedBare, 1.2);
    std::printf("%-58s %s\n", "nothing left running after the keys",
                restsAfterKeys ? "yes" : "NO  MISSED");
}

// Qt's word wrapping is quadratic on a stretch without blanks; the editor
// breaks such text anywhere. There is no bare baseline: it takes minutes.
void measureUnbrokenRun() {
    const std::string run(1'000'000, 'x');
    EditorModel model;
    MemoEdit memo(model);
    memo.resize(500, 300);
    memo.show();
    const double ms = medianMs(
        3,
        [&] {
            model.loadText(run);
            memo.repaint();
        },
        [&] { model.clear(); });
    std::printf("\n%-58s %10.3f ms\n", "load and show 1 MB without a single blank", ms);
}

// A key at the end of a stretch without blanks that 40 pastes of 4,900
// characters grew, each paste short of the length at which lines start to
// break anywhere, against the same stretch pasted at once: the grown one must
// be caught too, or every key would lay the stretch out word by word.
void measureGrownStretch() {
    constexpr int kPastes = 40;
    const QString piece(4900, QLatin1Char('x'));
    QClipboard& clipboard = *QGuiApplication::clipboard();
    WiredMainForm grown;
    WiredMainForm whole;
    for (int i = 0; i < kPastes; ++i) {
        clipboard.setText(piece);
        grown.runCommand(cmd::Paste);
    }
    clipboard.setText(piece.repeated(kPastes));
    whole.runCommand(cmd::Paste);
    grown.show();
    whole.show();
    QApplication::processEvents();
    std::printf("\n== %lld x in one line, caret at its end ==\n",
                static_cast<long long>(piece.size()) * kPastes);
    std::printf("%-58s %13s %13s %8s\n", "", "40 pastes", "one paste", "ratio");
    printRow("type one character in the main window",
             bench::sideBySide(
                 kKeystrokes, [&] { QTest::keyClick(&grown.memo(), Qt::Key_X); },
                 [&] { QTest::keyClick(&whole.memo(), Qt::Key_X); }),
             1.2);
    if (grown.editor().text() != whole.editor().text())
        std::printf("  (!) the two texts differ\n");
    if (grown.memo().wordWrapMode() != whole.memo().wordWrapMode())
        std::printf("  (!) the two editors wrap differently\n");
}

// Typing on a 50 KB post with the preview window open: it waits for a pause
// in the typing, so a key press should cost what it costs with it closed.
void measureTypingWithPreview() {
    const std::string post = bench::forumPost(50'000);
    double closed = 0;
    double open = 0;
    {
        WiredMainForm form;
        form.editor().loadText(post);
        form.show();
        closed = typingMs(form.memo());
    }
    {
        WiredMainForm form;
        form.editor().loadText(post);
        form.show();
        form.runCommand(cmd::Preview);
        QApplication::processEvents();
        open = typingMs(form.memo());
    }
    std::printf("\n== 50 KB post ==\n");
    std::printf("%-58s %13s %13s %8s\n", "", "preview open", "closed", "ratio");
    printRow("type one character in the main window", open, closed, 1.2);
}

// Recovery copies of a 10 MB post. The window's thread only copies the text;
// encoding and writing the file run on a thread of their own.
struct Keys {
    double median;
    double p95;
    double slowest;
};

// A key every 20 ms for six seconds, in the middle of the post, with the
// event loop running between keys so that copies are made meanwhile.
Keys steadyTyping(TMainForm& form) {
    QPlainTextEdit& memo = form.memo();
    QTextCursor cursor = memo.textCursor();
    cursor.setPosition(memo.document()->characterCount() / 2);
    memo.setTextCursor(cursor);
    std::vector<double> times;
    QElapsedTimer clock;
    for (int i = 0; i < 300; ++i) {
        clock.start();
        QTest::keyClick(&memo, Qt::Key_X);
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        QTest::qWait(20);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times[times.size() * 95 / 100], times.back()};
}

void measureRecovery() {
    const std::string post = bench::forumPost(10'000'000);
    std::printf("\n== recovery copy of a 10 MB post ==\n");

    EditorModel model;
    model.loadText(post);
    std::string snapshot;
    const double copyMs = medianMs(
        21, [&] { snapshot = model.text(); }, [&] { snapshot = {}; });
    std::printf("%-58s %10.3f ms\n", "snapshot of the text (window's thread)", copyMs);

    QTemporaryDir folder;
    {
        QtRecoveryStore store(folder.path());
        const double handMs = medianMs(
            21,
            [&] {
                store.writeOwn({DocumentState::New, {}, {}, model.text()});
            },
            [&] { store.finishOwn(); });
        std::printf("%-58s %10.3f ms\n", "snapshot and hand-over to the writer (window's thread)",
                    handMs);
        store.finishOwn();
        const QString path = folder.filePath(QStringLiteral("alone.recovery"));
        const double encodeMs = medianMs(5, [&] {
            snapshot = encodeRecoveryCopy({DocumentState::New, {}, {}, model.text()});
        });
        const double writeMs = medianMs(5, [&] { CopyWriter::writeFile(path, snapshot); });
        std::printf("%-58s %10.3f ms\n", "encode to UTF-8 (writer's thread)", encodeMs);
        std::printf("%-58s %10.3f ms\n", "write, sync and rename the file (writer's thread)",
                    writeMs);
    }

    std::printf("%-58s %13s %13s %8s\n", "", "copies on", "copies off", "ratio");
    Keys on{};
    Keys off{};
    {
        WiredMainForm form(nullptr, {}, folder.filePath(QStringLiteral("state")));
        form.editor().loadText(post);
        form.show();
        on = steadyTyping(form);
        if (QDir(folder.filePath(QStringLiteral("state"))).isEmpty())
            std::printf("  (!) no copy was written\n");
    }
    {
        WiredMainForm form;
        form.editor().loadText(post);
        form.show();
        off = steadyTyping(form);
    }
    printRow("type one character, steady typing (median)", on.median, off.median, 1.2);
    printRow("type one character, steady typing (95th percentile)", on.p95, off.p95, 1.2);
    std::printf("%-58s %10.3f ms %10.3f ms\n", "type one character, steady typing (slowest)",
                on.slowest, off.slowest);
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    measure(1'000'000);
    measure(10'000'000);
    measureSpelling(1'000'000);
    measureSpelling(10'000'000);
    measureUnbrokenRun();
    measureTypingWithPreview();
    measureGrownStretch();
    measureRecovery();
    return 0;
}
