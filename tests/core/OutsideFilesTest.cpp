#include "core/document/OutsideFiles.h"

#include "support/FakeFiles.h"

#include <deque>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace quolan {
namespace {

// The save dialog answers from a script, the question before replacing
// gives `answer`; the open dialog is never asked.
class SaveDialogs final : public DocumentDialogs {
public:
    std::optional<std::string> chooseOpenName(const std::string&) override {
        ADD_FAILURE() << "files from outside must not show the open dialog";
        return std::nullopt;
    }
    std::optional<std::string> chooseSaveName(const std::string&) override {
        if (answers.empty())
            return std::nullopt;
        auto next = answers.front();
        answers.pop_front();
        return next;
    }
    void confirmNewDocument() override {}
    ReplaceAnswer askBeforeReplacing(const std::string& path) override {
        asked.push_back(path);
        return answer;
    }
    std::deque<std::optional<std::string>> answers;
    ReplaceAnswer answer = ReplaceAnswer::Replace;
    std::vector<std::string> asked;
};

struct Outside {
    Outside() {
        files.files["/p/a.txt"] = "first\r\npost";
        files.files["/p/b.txt"] = "second";
        windows.tellOnlyFirstOpened = [this](const std::string& path) { told.push_back(path); };
    }
    void type(std::string_view text) { editor.edit(editor.length(), 0, text); }
    void drop(std::vector<std::string> paths) { openDroppedFiles(document, paths, windows); }

    EditorModel editor{1024};
    testing::FakeFiles files;
    SaveDialogs dialogs;
    std::vector<std::string> messages;
    Document document{editor, files, dialogs,
                      [this](std::string_view m) { messages.emplace_back(m); }};
    OutsideFileWindows windows;
    ReplaceAnswer& answer = dialogs.answer;
    std::vector<std::string>& asked = dialogs.asked;
    std::vector<std::string> told;
};

TEST(OutsideFiles, theCommandLineOpensTheFirstAsTheOpenCommandDoes) {
    Outside o;
    const std::vector<std::string> one{"/p/a.txt"};
    openGivenFiles(o.document, one, o.windows);
    EXPECT_EQ(o.editor.text(), "first\r\npost");
    EXPECT_EQ(o.document.state(), DocumentState::Opened);
    EXPECT_EQ(o.document.openName(), "/p/a.txt");
    EXPECT_FALSE(o.editor.modified());
    EXPECT_TRUE(o.told.empty());

    const std::vector<std::string> two{"/p/b.txt", "/p/a.txt"};
    openGivenFiles(o.document, two, o.windows);
    EXPECT_EQ(o.editor.text(), "second");
    EXPECT_EQ(o.told, (std::vector<std::string>{"/p/b.txt"}));
    EXPECT_TRUE(o.asked.empty());
}

TEST(OutsideFiles, aFileThatCannotBeOpenedIsReportedAndChangesNothing) {
    Outside o;
    const std::vector<std::string> paths{"/p/missing.txt", "/p/a.txt"};
    openGivenFiles(o.document, paths, o.windows);
    ASSERT_EQ(o.messages.size(), 1U);
    EXPECT_TRUE(o.messages[0].starts_with("Cannot open file \"/p/missing.txt\". "))
        << o.messages[0];
    EXPECT_EQ(o.document.state(), DocumentState::New);
    EXPECT_EQ(o.document.openName(), "");
    // Nothing was opened, so there is nothing to say about the others.
    EXPECT_TRUE(o.told.empty());
}

TEST(OutsideFiles, aDropOverUnmodifiedTextOpensWithoutAQuestion) {
    Outside o;
    o.drop({"/p/a.txt", "/p/b.txt"});
    EXPECT_TRUE(o.asked.empty());
    EXPECT_EQ(o.editor.text(), "first\r\npost");
    EXPECT_EQ(o.told, (std::vector<std::string>{"/p/a.txt"}));
}

TEST(OutsideFiles, aDropOverUnsavedTextAsksFirst) {
    Outside cancelled;
    cancelled.type("draft");
    cancelled.answer = ReplaceAnswer::Cancel;
    cancelled.drop({"/p/a.txt"});
    EXPECT_EQ(cancelled.asked, (std::vector<std::string>{"/p/a.txt"}));
    EXPECT_EQ(cancelled.editor.text(), "draft");
    EXPECT_TRUE(cancelled.editor.modified());

    Outside replaced;
    replaced.type("draft");
    replaced.drop({"/p/a.txt"});
    EXPECT_EQ(replaced.editor.text(), "first\r\npost");
    EXPECT_EQ(replaced.document.state(), DocumentState::Opened);
}

TEST(OutsideFiles, aDropOverEmptiedTextAsksNothing) {
    Outside o;
    o.type("x");
    o.editor.edit(0, 1, "");
    o.answer = ReplaceAnswer::Cancel;
    o.drop({"/p/a.txt"});
    EXPECT_TRUE(o.asked.empty());
    EXPECT_EQ(o.editor.text(), "first\r\npost");
}

TEST(OutsideFiles, savingFirstOpensOnlyWhenTheTextWasWritten) {
    Outside declined;
    declined.type("draft");
    declined.answer = ReplaceAnswer::Save; // and the save dialog is cancelled
    declined.drop({"/p/a.txt"});
    EXPECT_EQ(declined.editor.text(), "draft");
    EXPECT_TRUE(declined.files.written.empty());

    Outside saved;
    saved.type("draft");
    saved.answer = ReplaceAnswer::Save;
    saved.dialogs.answers.push_back("/p/draft.txt");
    saved.drop({"/p/a.txt"});
    EXPECT_EQ(saved.files.files["/p/draft.txt"], "draft");
    EXPECT_EQ(saved.editor.text(), "first\r\npost");
    EXPECT_EQ(saved.document.openName(), "/p/a.txt");
    EXPECT_EQ(saved.document.saveName(), "/p/draft.txt");

    Outside failed;
    failed.type("draft");
    failed.answer = ReplaceAnswer::Save;
    failed.files.readOnlyFolders.insert("/ro");
    failed.dialogs.answers.push_back("/ro/draft.txt");
    failed.drop({"/p/a.txt"});
    EXPECT_EQ(failed.editor.text(), "draft");
    EXPECT_EQ(failed.messages.size(), 1U);
}

} // namespace
} // namespace quolan
