#include "core/recovery/RecoveryKeeper.h"
#include "support/FakeFiles.h"
#include "support/FakeRecoveryFolder.h"

#include <gtest/gtest.h>
#include <string>

namespace quolan {
namespace {

using namespace std::chrono_literals;
using testing::FakeFiles;
using testing::FakeRecoveryFolder;
using testing::FakeTime;

class NamedDialogs final : public DocumentDialogs {
public:
    std::optional<std::string> chooseOpenName(const std::string&) override { return name; }
    std::optional<std::string> chooseSaveName(const std::string&) override { return name; }
    void confirmNewDocument() override {}
    ReplaceAnswer askBeforeReplacing(const std::string&) override { return ReplaceAnswer::Replace; }
    std::optional<std::string> name;
};

// One running instance: its post, its files and its keeper.
struct Instance {
    explicit Instance(FakeRecoveryFolder& shared) : folder(shared) {}

    void type(std::string_view text) { editor.edit(editor.length(), 0, text); }
    void pass(std::chrono::milliseconds span) {
        time.pass(span, [this] { keeper.alarmRang(); });
    }
    RecoveryCopy copy() const {
        const DecodedCopy decoded = decodeRecoveryCopy(folder.files.at(folder.own));
        EXPECT_EQ(decoded.status, DecodedCopy::Status::Ok);
        return decoded.copy;
    }
    bool hasFile() const { return folder.files.contains(folder.own); }

    FakeRecoveryFolder& folder;
    EditorModel editor{1 << 20};
    FakeFiles files;
    NamedDialogs dialogs;
    Document document{editor, files, dialogs, [](std::string_view) {}};
    FakeTime time;
    RecoveryKeeper keeper{editor, document, folder, time, time};
};

std::string copyBytes(std::string text, DocumentState state = DocumentState::New,
                      std::string openName = {}, std::string saveName = {}) {
    return encodeRecoveryCopy({state, std::move(openName), std::move(saveName), std::move(text)});
}

TEST(RecoveryCopyFile, keepsEveryByteOfTheTextAndAnyNameThroughTheFile) {
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    const RecoveryCopy copy{DocumentState::Saved, "/home/игрок/a\\b\nc.txt", "/tmp/x\r\ny=z.txt",
                            everyByte + "\r\n\xCF\xF0\xE8\xE2\xE5\xF2"}; // "Привет"
    const std::string bytes = encodeRecoveryCopy(copy);
    EXPECT_TRUE(bytes.starts_with("QUOLAN-RECOVERY 1\nstate=Saved\n"));
    // The text is UTF-8, readable by a person in any editor.
    EXPECT_NE(bytes.find("\r\nПривет"), std::string::npos);
    const DecodedCopy decoded = decodeRecoveryCopy(bytes);
    ASSERT_EQ(decoded.status, DecodedCopy::Status::Ok);
    EXPECT_EQ(decoded.copy, copy);
}

TEST(RecoveryCopyFile, aCutShortOrDamagedCopyIsNeverTakenForAPost) {
    const std::string whole =
        copyBytes("Длинный пост\r\nв две строки", DocumentState::Opened, "/a");
    for (std::size_t size = 0; size < whole.size(); ++size)
        EXPECT_EQ(decodeRecoveryCopy(whole.substr(0, size)).status, DecodedCopy::Status::Damaged)
            << size;
    const std::string damaged[] = {
        whole + "x",
        "QUOLAN-RECOVERY 1\nstate=Lost\nlength=0\n\n",
        "QUOLAN-RECOVERY 1\nstate=New\nlength=-1\n\n",
        "QUOLAN-RECOVERY 1\nstate=New\nopen-name=a\\q\nlength=0\n\n",
        "QUOLAN-RECOVERY 1\nlength=1\n\nx",
        "QUOLAN-RECOVERY x\n",
        "some other file\n\nx",
        // Not UTF-8, and a character the post's code page cannot hold.
        "QUOLAN-RECOVERY 1\nstate=New\nlength=1\n\n\xC0",
        "QUOLAN-RECOVERY 1\nstate=New\nlength=3\n\n\xE4\xB8\x80",
    };
    for (const std::string& bytes : damaged)
        EXPECT_EQ(decodeRecoveryCopy(bytes).status, DecodedCopy::Status::Damaged) << bytes;
    // A later version's copy, and keys a later version added.
    EXPECT_EQ(decodeRecoveryCopy("QUOLAN-RECOVERY 2\nwhatever").status,
              DecodedCopy::Status::NewerVersion);
    EXPECT_EQ(decodeRecoveryCopy("QUOLAN-RECOVERY 1\nstate=New\ncolour=red\nlength=1\n\nx").status,
              DecodedCopy::Status::Ok);
}

TEST(RecoveryKeeper, writesAfterTypingPausesNeverOnAKeystrokeAndNothingAtRest) {
    FakeRecoveryFolder folder;
    Instance run(folder);
    for (char c : std::string("hello")) {
        run.type(std::string(1, c));
        run.pass(150ms);
    }
    EXPECT_EQ(folder.writes, 0);
    EXPECT_EQ(run.time.alarms, 1) << "one wake-up per pause, not one per keystroke";
    run.pass(1000ms);
    ASSERT_EQ(folder.writes, 1);
    EXPECT_EQ(run.copy().text, "hello");
    EXPECT_EQ(run.time.due, std::nullopt) << "no wake-up while nothing changes";
    run.pass(10s);
    EXPECT_EQ(folder.writes, 1);
}

TEST(RecoveryKeeper, steadyTypingIsNeverMoreThanTwoSecondsBehind) {
    FakeRecoveryFolder folder;
    Instance run(folder);
    std::string typed;
    for (int i = 0; i < 60; ++i) { // a key every 100 ms for 6 s
        run.type("x");
        typed += 'x';
        run.pass(100ms);
        if (i >= 20) {
            // Everything typed two seconds ago is in the copy.
            const std::size_t twoSecondsAgo = typed.size() - 20;
            ASSERT_TRUE(run.hasFile()) << i;
            EXPECT_GE(run.copy().text.size(), twoSecondsAgo) << i;
        }
    }
    EXPECT_LE(folder.writes, 4);
}

TEST(RecoveryKeeper, theCopyNamesTheFileThePostBelongsTo) {
    FakeRecoveryFolder folder;
    Instance run(folder);
    run.files.files["/posts/a.txt"] = "old";
    ASSERT_TRUE(run.document.openNamed("/posts/a.txt"));
    run.pass(5s);
    EXPECT_FALSE(run.hasFile()) << "an opened, unchanged post is on the disk already";
    run.type(" new");
    run.pass(2s);
    RecoveryCopy copy = run.copy();
    EXPECT_EQ(copy.state, DocumentState::Opened);
    EXPECT_EQ(copy.openName, "/posts/a.txt");
    EXPECT_EQ(copy.text, "old new");

    // Save as changes the names, not the text or the flag: the copy follows.
    run.dialogs.name = "/posts/b.txt";
    ASSERT_TRUE(run.document.saveAs());
    run.keeper.documentMayHaveChanged();
    run.pass(2s);
    copy = run.copy();
    EXPECT_EQ(copy.state, DocumentState::Saved);
    EXPECT_EQ(copy.saveName, "/posts/b.txt");
    EXPECT_EQ(folder.writes, 2);
    run.keeper.documentMayHaveChanged(); // nothing new: nothing written
    run.pass(2s);
    EXPECT_EQ(folder.writes, 2);
}

TEST(RecoveryKeeper, theCopyGoesWhenThePostIsSavedEmptiedOrLeftAtTheClose) {
    FakeRecoveryFolder folder;
    {
        Instance run(folder);
        run.type("post");
        run.pass(2s);
        ASSERT_TRUE(run.hasFile());
        run.dialogs.name = "/p.txt";
        ASSERT_TRUE(run.document.save());
        run.keeper.documentMayHaveChanged();
        EXPECT_FALSE(run.hasFile());
        EXPECT_FALSE(run.keeper.hasCopy());
    }
    {
        Instance run(folder);
        run.type("post");
        run.pass(2s);
        run.type("s"); // pending, then emptied before the pause ends
        run.editor.selectAll();
        run.editor.edit(0, run.editor.length(), "");
        EXPECT_TRUE(run.editor.modified());
        EXPECT_FALSE(run.hasFile());
        EXPECT_EQ(run.time.due, std::nullopt);
    }
    {
        Instance run(folder);
        run.type("post");
        run.pass(2s);
        run.type(" more");
        run.keeper.postAbandoned(); // "Выйти"
        run.keeper.programEnds();
        EXPECT_FALSE(run.hasFile());
    }
    EXPECT_TRUE(folder.files.empty());
}

TEST(RecoveryKeeper, theCopyStaysWhenTheProgramEndsOtherwiseWithTheLatestTyping) {
    FakeRecoveryFolder folder;
    Instance run(folder);
    run.type("post");
    run.pass(2s);
    run.type(" and the last words");
    run.keeper.programEnds(); // the close box of the exit question, the end of the session
    EXPECT_EQ(run.copy().text, "post and the last words");
    EXPECT_EQ(folder.finishes, 1) << "the program waits for the disk";
    run.type(" after the end");
    run.pass(5s);
    EXPECT_EQ(run.copy().text, "post and the last words");
}

TEST(RecoveryKeeper, offersOnlyCopiesOfRunsThatEndedNewestFirstAndSkipsDamagedOnes) {
    FakeRecoveryFolder folder;
    folder.leave("running", copyBytes("still typed in another window"), true);
    folder.leave("damaged", copyBytes("cut short").substr(0, 30));
    folder.leave("later", "QUOLAN-RECOVERY 9\n...");
    folder.leave("newer", copyBytes("the newer post"));
    folder.leave("older", copyBytes("the older post"));
    Instance run(folder);

    std::optional<RecoveryOffer> offer = run.keeper.nextOffer();
    ASSERT_TRUE(offer);
    EXPECT_EQ(offer->copy.text, "the newer post");
    run.keeper.answer(RecoveryAnswer::Discard);
    EXPECT_FALSE(folder.files.contains("newer"));
    offer = run.keeper.nextOffer();
    ASSERT_TRUE(offer);
    EXPECT_EQ(offer->copy.text, "the older post");
    run.keeper.answer(RecoveryAnswer::Keep);
    EXPECT_FALSE(run.keeper.nextOffer());

    // Kept and unreadable copies stay where they are, free for a later start.
    for (const char* name : {"running", "damaged", "later", "older"})
        EXPECT_TRUE(folder.files.contains(name)) << name;
    EXPECT_TRUE(folder.claimed.empty());
    EXPECT_FALSE(run.editor.modified());
    EXPECT_EQ(run.editor.length(), 0u);
}

TEST(RecoveryKeeper, restoringGivesAnUnsavedPostThatSavesWhereItBelonged) {
    FakeRecoveryFolder folder;
    folder.leave("crashed", copyBytes("lost\r\nand found", DocumentState::Opened, "/posts/a.txt",
                                      "/posts/old.txt"));
    Instance run(folder);
    ASSERT_TRUE(run.keeper.nextOffer());
    run.keeper.answer(RecoveryAnswer::Restore);

    EXPECT_EQ(run.editor.text(), "lost\r\nand found");
    EXPECT_TRUE(run.editor.modified());
    EXPECT_TRUE(run.document.needsExitConfirmation());
    EXPECT_EQ(run.document.state(), DocumentState::Opened);
    EXPECT_EQ(run.document.saveName(), "/posts/old.txt");
    // The restored copy is this run's own now, kept up to date.
    EXPECT_EQ(folder.own, "crashed");
    run.type("!");
    run.pass(2s);
    EXPECT_EQ(run.copy().text, "lost\r\nand found!");

    ASSERT_TRUE(run.document.save());
    EXPECT_EQ(run.files.files.at("/posts/a.txt"), "lost\r\nand found!");
    run.keeper.documentMayHaveChanged();
    EXPECT_TRUE(folder.files.empty());
}

TEST(RecoveryKeeper, aRestoredPostSavesInTheEncodingItWasReadIn) {
    FakeRecoveryFolder folder;
    folder.leave(
        "crashed",
        encodeRecoveryCopy(
            {DocumentState::Opened, "/posts/u.txt", {}, "\xCF &#128512;", FileEncoding::Utf8Bom}));
    Instance run(folder);
    ASSERT_TRUE(run.keeper.nextOffer());
    run.keeper.answer(RecoveryAnswer::Restore);
    EXPECT_EQ(run.document.encoding(), FileEncoding::Utf8Bom);
    run.type("!");
    run.pass(2s);
    EXPECT_EQ(run.copy().encoding, FileEncoding::Utf8Bom);
    ASSERT_TRUE(run.document.save());
    EXPECT_EQ(run.files.files.at("/posts/u.txt"), "\xEF\xBB\xBF\xD0\x9F \xF0\x9F\x98\x80!");
    // A copy from before encodings were kept belongs to the code page.
    EXPECT_EQ(decodeRecoveryCopy("QUOLAN-RECOVERY 1\nstate=New\nlength=1\n\nx").copy.encoding,
              FileEncoding::Windows1251);
}

TEST(RecoveryKeeper, nothingIsOfferedOverAnUnsavedPost) {
    FakeRecoveryFolder folder;
    folder.leave("crashed", copyBytes("from before"));
    Instance run(folder);
    run.type("typed at once");
    EXPECT_FALSE(run.keeper.nextOffer());
    EXPECT_TRUE(folder.claimed.empty());
    EXPECT_TRUE(folder.files.contains("crashed"));
}

} // namespace
} // namespace quolan
