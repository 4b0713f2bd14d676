#include "core/document/Document.h"

#include "core/ui/CommandIds.h"
#include "core/ui/CommandRegistry.h"
#include "support/FakeFiles.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quolan {
namespace {

using testing::FakeFiles;

// Answers the dialogs from a script and remembers what they were shown.
class ScriptedDialogs final : public DocumentDialogs {
public:
    std::optional<std::string> chooseOpenName(const std::string& current) override {
        openShown.push_back(current);
        return next();
    }
    std::optional<std::string> chooseSaveName(const std::string& current) override {
        saveShown.push_back(current);
        return next();
    }
    void confirmNewDocument() override { ++confirmations; }
    ReplaceAnswer askBeforeReplacing(const std::string& path) override {
        replaceAsked.push_back(path);
        return replaceAnswer;
    }
    bool askOpenNotText(const std::string&) override {
        ++notTextAsked;
        return openNotText;
    }

    std::deque<std::optional<std::string>> answers; // nothing: the user cancels
    std::vector<std::string> openShown;
    std::vector<std::string> saveShown;
    int confirmations = 0;
    ReplaceAnswer replaceAnswer = ReplaceAnswer::Replace;
    std::vector<std::string> replaceAsked;
    bool openNotText = false;
    int notTextAsked = 0;

private:
    std::optional<std::string> next() {
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct Post {
    Post() { registerDocumentCommands(commands, document); }

    void type(std::string_view text) { editor.edit(editor.length(), 0, text); }
    void run(cmd::Id id) { ASSERT_TRUE(commands.run(id)) << id; }
    std::string state() const { return std::string(stateName(document.state())); }

    EditorModel editor{1024};
    FakeFiles files;
    ScriptedDialogs dialogs;
    std::vector<std::string> messages;
    Document document{editor, files, dialogs,
                      [this](std::string_view m) { messages.emplace_back(m); }};
    CommandRegistry commands;
};

// --- The document state through every way of entering it --------------------

// How a row starts: the state reached by a confirmed open or save as.
enum class Start { Fresh, Opened, SavedAs };

struct StateCase {
    const char* name;
    Start start;
    bool modifiedBefore;
    std::function<void(Post&)> act;
    const char* state;
    const char* openName;
    const char* saveName;
    bool modifiedAfter;
    std::vector<std::string> written;
};

class DocumentStates : public ::testing::TestWithParam<StateCase> {};

TEST_P(DocumentStates, followTheCommands) {
    const StateCase& c = GetParam();
    Post post;
    post.files.files["/p/a.txt"] = "from a";
    if (c.start == Start::Opened || c.start == Start::SavedAs) {
        post.dialogs.answers.push_back("/p/a.txt");
        post.run(cmd::FileOpen);
    }
    if (c.start == Start::SavedAs) {
        post.dialogs.answers.push_back("/p/b.txt");
        post.run(cmd::FileSaveAs);
    }
    if (c.modifiedBefore)
        post.type("!");
    post.files.written.clear();

    c.act(post);
    EXPECT_EQ(post.state(), c.state);
    EXPECT_EQ(post.document.openName(), c.openName);
    EXPECT_EQ(post.document.saveName(), c.saveName);
    EXPECT_EQ(post.editor.modified(), c.modifiedAfter);
    EXPECT_EQ(post.files.written, c.written);
    EXPECT_TRUE(post.messages.empty());
}

void answer(Post& post, std::optional<std::string> name) {
    post.dialogs.answers.push_back(name);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DocumentStates,
    ::testing::Values(
        // "New"
        StateCase{"atCreation", Start::Fresh, false, [](Post&) {}, "New", "", "", false, {}},
        StateCase{"newWithTheFlagClear",
                  Start::SavedAs,
                  false,
                  [](Post& p) { p.run(cmd::FileNew); },
                  "New",
                  "/p/a.txt",
                  "/p/b.txt",
                  false,
                  {}},
        StateCase{"createInTheConfirmation",
                  Start::Opened,
                  true,
                  [](Post& p) { p.document.startNew(); },
                  "New",
                  "/p/a.txt",
                  "",
                  false,
                  {}},
        // "Opened"
        StateCase{"confirmedOpen",
                  Start::SavedAs,
                  true,
                  [](Post& p) {
                      answer(p, "/p/a.txt");
                      p.run(cmd::FileOpen);
                  },
                  "Opened",
                  "/p/a.txt",
                  "/p/b.txt",
                  false,
                  {}},
        StateCase{"cancelledOpen",
                  Start::Fresh,
                  true,
                  [](Post& p) {
                      answer(p, std::nullopt);
                      p.run(cmd::FileOpen);
                  },
                  "New",
                  "",
                  "",
                  true,
                  {}},
        // "Saved"
        StateCase{"confirmedSaveAsKeepsTheFlag",
                  Start::Opened,
                  true,
                  [](Post& p) {
                      answer(p, "/p/c.txt");
                      p.run(cmd::FileSaveAs);
                  },
                  "Saved",
                  "/p/a.txt",
                  "/p/c.txt",
                  true,
                  {"/p/c.txt"}},
        StateCase{"cancelledSaveAs",
                  Start::Opened,
                  true,
                  [](Post& p) {
                      answer(p, std::nullopt);
                      p.run(cmd::FileSaveAs);
                  },
                  "Opened",
                  "/p/a.txt",
                  "",
                  true,
                  {}},
        StateCase{"saveFromOpened",
                  Start::Opened,
                  true,
                  [](Post& p) { p.run(cmd::FileSave); },
                  "Saved",
                  "/p/a.txt",
                  "/p/a.txt",
                  false,
                  {"/p/a.txt"}},
        StateCase{"saveFromSaved",
                  Start::SavedAs,
                  true,
                  [](Post& p) { p.run(cmd::FileSave); },
                  "Saved",
                  "/p/b.txt",
                  "/p/b.txt",
                  false,
                  {"/p/b.txt"}},
        StateCase{"confirmedSaveFromNew",
                  Start::Fresh,
                  true,
                  [](Post& p) {
                      answer(p, "/p/n.txt");
                      p.run(cmd::FileSave);
                  },
                  "Saved",
                  "/p/n.txt",
                  "/p/n.txt",
                  false,
                  {"/p/n.txt"}},
        StateCase{"cancelledSaveFromNew",
                  Start::Fresh,
                  true,
                  [](Post& p) {
                      answer(p, std::nullopt);
                      p.run(cmd::FileSave);
                  },
                  "New",
                  "",
                  "",
                  true,
                  {}},
        StateCase{"saveInTheNewConfirmationKeepsTheText",
                  Start::Opened,
                  true,
                  [](Post& p) {
                      answer(p, "/p/k.txt");
                      EXPECT_TRUE(p.document.saveAs());
                  },
                  "Saved",
                  "/p/a.txt",
                  "/p/k.txt",
                  true,
                  {"/p/k.txt"}}),
    [](const ::testing::TestParamInfo<StateCase>& p) { return p.param.name; });

TEST(NewDocument, asksOnlyWhenModifiedEvenForAnEmptyText) {
    Post post;
    post.type("abc");
    post.run(cmd::FileNew);
    EXPECT_EQ(post.dialogs.confirmations, 1);
    EXPECT_EQ(post.editor.text(), "abc");

    post.editor.edit(0, 3, ""); // deleted again: empty, but modified
    post.run(cmd::FileNew);
    EXPECT_EQ(post.dialogs.confirmations, 2);

    post.editor.setModified(false);
    post.editor.setText("unmodified");
    post.run(cmd::FileNew);
    EXPECT_EQ(post.dialogs.confirmations, 2);
    EXPECT_EQ(post.editor.text(), "");
}

TEST(FileDialogs, openPreFilledWithTheirOwnLastName) {
    Post post;
    post.files.files["/p/a.txt"] = "a";
    answer(post, "/p/a.txt");
    post.run(cmd::FileOpen);
    answer(post, "/p/b.txt");
    post.run(cmd::FileSaveAs);
    answer(post, std::nullopt);
    post.run(cmd::FileOpen);
    answer(post, std::nullopt);
    post.run(cmd::FileSaveAs);
    EXPECT_EQ(post.dialogs.openShown, (std::vector<std::string>{"", "/p/a.txt"}));
    EXPECT_EQ(post.dialogs.saveShown, (std::vector<std::string>{"", "/p/b.txt"}));
}

// --- The exit confirmation ---------------------------------------------------

TEST(ExitConfirmation, isAskedOnlyForModifiedTextThatIsNotEmpty) {
    Post post;
    EXPECT_FALSE(post.document.needsExitConfirmation()); // unmodified, empty
    post.editor.setText("kept");
    EXPECT_FALSE(post.document.needsExitConfirmation()); // unmodified text
    post.type("!");
    EXPECT_TRUE(post.document.needsExitConfirmation()); // modified text
    post.editor.edit(0, post.editor.length(), "");
    EXPECT_TRUE(post.editor.modified());
    EXPECT_FALSE(post.document.needsExitConfirmation()); // modified, empty
}

TEST(ExitConfirmationSave, writesWhereTheSaveCommandWouldAndNowhereElse) {
    // Opened a.txt, saved as b.txt, edited: the save goes to b.txt only.
    Post post;
    post.files.files["/p/a.txt"] = "original";
    answer(post, "/p/a.txt");
    post.run(cmd::FileOpen);
    answer(post, "/p/b.txt");
    post.run(cmd::FileSaveAs);
    post.type(" edited");
    post.files.written.clear();

    EXPECT_TRUE(post.document.save());
    EXPECT_EQ(post.files.written, std::vector<std::string>{"/p/b.txt"});
    EXPECT_EQ(post.files.files["/p/a.txt"], "original");
    EXPECT_EQ(post.files.files["/p/b.txt"], "original edited");
    EXPECT_FALSE(post.files.files.contains("/p/b.txt.txt"));
}

TEST(ExitConfirmationSave, asksForANameForANewPostAndSaysWhetherItWrote) {
    Post post;
    post.type("never saved");
    EXPECT_FALSE(post.document.save()); // the dialog was cancelled
    EXPECT_TRUE(post.editor.modified());
    answer(post, "/p/new.txt");
    EXPECT_TRUE(post.document.save());
    EXPECT_EQ(post.files.files["/p/new.txt"], "never saved");
}

// --- The file format -------------------------------------------------------

TEST(PostFiles, everyByteValueRoundTripsExactly) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n')
            all += static_cast<char>(b);
    all += "\r\n"; // the two line-break bytes, as the pair they must form
    all += std::string("\0\0tail", 6);

    Post post;
    post.files.files["/p/all.txt"] = all;
    answer(post, "/p/all.txt");
    post.run(cmd::FileOpen); // NUL bytes: not taken for text unless the user says so
    EXPECT_EQ(post.editor.text(), "");
    post.dialogs.openNotText = true;
    answer(post, "/p/all.txt");
    post.run(cmd::FileOpen);
    EXPECT_EQ(post.dialogs.notTextAsked, 2);
    EXPECT_EQ(post.editor.text(), all);
    post.run(cmd::FileSave);
    EXPECT_EQ(post.files.files["/p/all.txt"], all);
}

TEST(PostFiles, loneLineBreaksBecomeCrLfOnOpenAndAreSavedSo) {
    Post post;
    post.files.files["/p/lf.txt"] = "one\ntwo\rthree\r\n\n";
    answer(post, "/p/lf.txt");
    post.run(cmd::FileOpen);
    EXPECT_EQ(post.editor.text(), "one\r\ntwo\r\nthree\r\n\r\n");
    EXPECT_FALSE(post.editor.modified());
    post.run(cmd::FileSave);
    EXPECT_EQ(post.files.files["/p/lf.txt"], "one\r\ntwo\r\nthree\r\n\r\n");
}

TEST(PostFiles, openingReplacesUnsavedTextWhenToldToAndPutsTheCaretFirst) {
    Post post;
    post.files.files["/p/a.txt"] = "same";
    post.editor.setText("same");
    post.editor.setSelection(4, 0);
    post.editor.setModified(true);
    answer(post, "/p/a.txt");
    post.run(cmd::FileOpen);
    EXPECT_EQ(post.dialogs.replaceAsked, (std::vector<std::string>{"/p/a.txt"}));
    EXPECT_FALSE(post.editor.modified());
    EXPECT_EQ(post.editor.selectionStart(), 0U);
    EXPECT_EQ(post.dialogs.confirmations, 0);
}

// --- Opening over unsaved text -----------------------------------------------

TEST(OpenOverUnsavedText, asksOnceTheNameIsChosenAndOnlyWhenThereIsTextToLose) {
    Post post;
    post.files.files["/p/a.txt"] = "from a";
    answer(post, std::nullopt);
    post.type("draft");
    post.run(cmd::FileOpen); // the dialog cancelled: nothing to ask
    EXPECT_TRUE(post.dialogs.replaceAsked.empty());

    post.dialogs.replaceAnswer = ReplaceAnswer::Cancel;
    answer(post, "/p/a.txt");
    post.run(cmd::FileOpen);
    EXPECT_EQ(post.dialogs.replaceAsked, (std::vector<std::string>{"/p/a.txt"}));
    EXPECT_EQ(post.editor.text(), "draft");
    EXPECT_TRUE(post.editor.modified());
    EXPECT_EQ(post.state(), "New");

    Post emptied; // modified, but nothing left to lose
    emptied.files.files["/p/a.txt"] = "from a";
    emptied.type("x");
    emptied.editor.edit(0, 1, "");
    answer(emptied, "/p/a.txt");
    emptied.run(cmd::FileOpen);
    Post unmodified;
    unmodified.files.files["/p/a.txt"] = "from a";
    unmodified.editor.setText("kept");
    answer(unmodified, "/p/a.txt");
    unmodified.run(cmd::FileOpen);
    for (const Post* p : {&emptied, &unmodified}) {
        EXPECT_TRUE(p->dialogs.replaceAsked.empty());
        EXPECT_EQ(p->editor.text(), "from a");
    }
}

TEST(OpenOverUnsavedText, savingFirstSavesAsTheSaveCommandAndOpensOnlyWhenWritten) {
    Post opened; // an opened post is saved to its own file without a dialog
    opened.files.files["/p/a.txt"] = "from a";
    opened.files.files["/p/b.txt"] = "from b";
    answer(opened, "/p/a.txt");
    opened.run(cmd::FileOpen);
    opened.type(" edited");
    opened.dialogs.replaceAnswer = ReplaceAnswer::Save;
    answer(opened, "/p/b.txt");
    opened.run(cmd::FileOpen);
    EXPECT_EQ(opened.files.files["/p/a.txt"], "from a edited");
    EXPECT_EQ(opened.editor.text(), "from b");
    EXPECT_EQ(opened.document.openName(), "/p/b.txt");
    EXPECT_EQ(opened.document.saveName(), "/p/a.txt");
    EXPECT_EQ(opened.state(), "Opened");

    Post fresh; // a new post asks for a name; cancelling it keeps the text
    fresh.files.files["/p/b.txt"] = "from b";
    fresh.type("draft");
    fresh.dialogs.replaceAnswer = ReplaceAnswer::Save;
    answer(fresh, "/p/b.txt");
    answer(fresh, std::nullopt);
    fresh.run(cmd::FileOpen);
    EXPECT_EQ(fresh.editor.text(), "draft");
    EXPECT_EQ(fresh.dialogs.saveShown.size(), 1U);
    answer(fresh, "/p/b.txt");
    answer(fresh, "/p/draft.txt");
    fresh.run(cmd::FileOpen);
    EXPECT_EQ(fresh.files.files["/p/draft.txt"], "draft");
    EXPECT_EQ(fresh.editor.text(), "from b");

    Post refused; // a save that fails keeps the text and opens nothing
    refused.files.files["/p/b.txt"] = "from b";
    refused.files.readOnlyFolders.insert("/ro");
    refused.type("draft");
    refused.dialogs.replaceAnswer = ReplaceAnswer::Save;
    answer(refused, "/p/b.txt");
    answer(refused, "/ro/draft.txt");
    refused.run(cmd::FileOpen);
    EXPECT_EQ(refused.editor.text(), "draft");
    EXPECT_TRUE(refused.editor.modified());
    EXPECT_EQ(refused.messages.size(), 1U);
}

// --- Failures --------------------------------------------------------------

struct Failure {
    const char* name;
    std::function<void(FakeFiles&)> breakFiles;
    const char* message;
};

class FailedSaves : public ::testing::TestWithParam<Failure> {};

TEST_P(FailedSaves, leaveTheOldFileTheStateAndTheFlag) {
    Post post;
    post.files.files["/p/a.txt"] = "old content";
    answer(post, "/p/a.txt");
    post.run(cmd::FileOpen);
    post.type(" and a much longer new ending");
    GetParam().breakFiles(post.files);

    post.run(cmd::FileSave);
    answer(post, "/p/other.txt");
    post.run(cmd::FileSaveAs);

    EXPECT_EQ(post.files.files["/p/a.txt"], "old content");
    EXPECT_FALSE(post.files.files.contains("/p/other.txt"));
    EXPECT_EQ(post.state(), "Opened");
    EXPECT_EQ(post.document.saveName(), "");
    EXPECT_TRUE(post.editor.modified());
    EXPECT_EQ(post.messages,
              (std::vector<std::string>{
                  "Cannot create file \"/p/a.txt\". " + std::string(GetParam().message),
                  "Cannot create file \"/p/other.txt\". " + std::string(GetParam().message)}));
    EXPECT_TRUE(post.document.needsExitConfirmation());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailedSaves,
    ::testing::Values(
        Failure{"readOnlyFolder", [](FakeFiles& f) { f.readOnlyFolders.insert("/p"); },
                "Permission denied"},
        Failure{"fullDisk", [](FakeFiles& f) { f.freeSpace = 12; }, "No space left on device"}),
    [](const ::testing::TestParamInfo<Failure>& p) { return p.param.name; });

TEST(FailedSaves, aFailedSaveOfANewPostKeepsItNew) {
    Post post;
    post.type("text");
    post.files.readOnlyFolders.insert("/ro");
    answer(post, "/ro/x.txt");
    EXPECT_FALSE(post.document.save());
    EXPECT_EQ(post.state(), "New");
    EXPECT_EQ(post.document.openName(), "");
    EXPECT_EQ(post.document.saveName(), "");
    EXPECT_EQ(post.messages.size(), 1U);
}

TEST(FailedOpens, leaveTheEditorTheStateAndTheNames) {
    Post post;
    post.type("unsaved");
    post.files.files["/p/locked.txt"] = "secret";
    post.files.unreadable.insert("/p/locked.txt");
    post.files.files["/p/huge.txt"] = std::string(2000, 'x');  // the editor holds 1024
    post.files.files["/p/grows.txt"] = std::string(600, '\n'); // 1200 bytes once CR LF

    for (const char* name : {"/p/missing.txt", "/p/locked.txt", "/p/huge.txt", "/p/grows.txt"}) {
        answer(post, name);
        post.run(cmd::FileOpen);
    }
    EXPECT_EQ(post.editor.text(), "unsaved");
    EXPECT_TRUE(post.editor.modified());
    EXPECT_EQ(post.state(), "New");
    EXPECT_EQ(post.document.openName(), "");
    EXPECT_EQ(post.messages, (std::vector<std::string>{
                                 "Cannot open file \"/p/missing.txt\". No such file or directory",
                                 "Cannot open file \"/p/locked.txt\". Permission denied",
                                 "Text exceeds memo capacity", "Text exceeds memo capacity"}));
}

} // namespace
} // namespace quolan
