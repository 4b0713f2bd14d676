// Reading post files beside the load rows of EditorBench: a UTF-8 post
// against the same text in Windows-1251, opened through the document into
// the model and Memo; and how often Windows-1251 Cyrillic text is valid UTF-8.
#include "core/document/Document.h"
#include "core/text/FileEncoding.h"
#include "gui/editor/MemoEdit.h"
#include "gui/shell/QtFileStore.h"
#include "support/BenchSupport.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <random>

using namespace quolan;

namespace {

struct NoDialogs final : DocumentDialogs {
    std::optional<std::string> chooseOpenName(const std::string&) override { return {}; }
    std::optional<std::string> chooseSaveName(const std::string&) override { return {}; }
    void confirmNewDocument() override {}
    ReplaceAnswer askBeforeReplacing(const std::string&) override { return ReplaceAnswer::Cancel; }
};

void put(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()))
        std::printf("  (!) cannot write %s\n", qPrintable(path));
}

void measureReading() {
    // A forum post whose UTF-8 form is about 10 MB.
    const std::string sample = bench::forumPost(1'000'000);
    const double growth = static_cast<double>(encodeFile(sample, FileEncoding::Utf8).size()) /
                          static_cast<double>(sample.size());
    const std::string post = bench::forumPost(static_cast<std::size_t>(10'000'000 / growth));
    const std::string utf8 = encodeFile(post, FileEncoding::Utf8);
    QTemporaryDir folder;
    const QString utf8Path = folder.filePath(QStringLiteral("utf8.txt"));
    const QString cp1251Path = folder.filePath(QStringLiteral("cp1251.txt"));
    put(utf8Path, utf8);
    put(cp1251Path, post);
    std::printf("\n== reading a post file: %.1f MB in UTF-8, %.1f MB in Windows-1251 ==\n",
                static_cast<double>(utf8.size()) / 1e6, static_cast<double>(post.size()) / 1e6);
    std::printf("%-58s %13s %13s %8s\n", "", "UTF-8", "Windows-1251", "ratio");

    const bench::Pair decoding = bench::sideBySide(
        7, [&] { decodeFile(utf8); }, [&] { decodeFile(post); });
    std::printf("%-58s %10.3f ms %10.3f ms\n", "recognise and decode the bytes alone",
                decoding.ours, decoding.baseline);

    QtFileStore files;
    NoDialogs dialogs;
    for (const bool withMemo : {false, true}) {
        EditorModel model;
        std::optional<MemoEdit> memo;
        if (withMemo)
            memo.emplace(model);
        Document document(model, files, dialogs, [](std::string_view message) {
            std::printf("  (!) %.*s\n", static_cast<int>(message.size()), message.data());
        });
        const auto open = [&](const QString& path) {
            return [&document, path] { document.openNamed(path.toStdString()); };
        };
        bench::printRow(withMemo ? "open the post into model and Memo"
                                 : "open the post into the model",
                        bench::sideBySide(
                            7, open(utf8Path), open(cp1251Path), [&] { document.startNew(); },
                            [&] { document.startNew(); }),
                        1.2);
        if (model.text() != post)
            std::printf("  (!) the UTF-8 file did not read as the same post\n");
    }
}

// Windows-1251 words (the source is UTF-8; reading it gives the code page).
std::vector<std::string> cp1251Words() {
    static const char* const words[] = {
        "привет", "мир",        "всё",       "ещё", "её",  "ёжик",   "объём",     "подъезд",
        "съел",   "щит",        "«Брэнноу»", "—",   "№5",  "рыцарь", "поднимает", "меч",
        "тихо",   "заклинание", "я",         "ты",  "Юля", "Эх",     "ВСЁ",       "ОК",
        "и",      "в",          "на",        "с",   "о",   "бьёт",   "шёпот",     "вьюга"};
    std::vector<std::string> out;
    for (const char* word : words)
        out.push_back(decodeFile(word).text);
    return out;
}

std::string upper(std::string word) {
    for (char& ch : word) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0xE0)
            ch = static_cast<char>(b - 0x20);
        else if (b == 0xB8) // ё
            ch = static_cast<char>(0xA8);
    }
    return word;
}

void measureMistakenUtf8() {
    const std::vector<std::string> words = cp1251Words();
    std::mt19937 random(7);
    constexpr int kTexts = 200'000;
    std::printf("\n== Windows-1251 Cyrillic texts read as UTF-8 by mistake (%d each) ==\n", kTexts);
    for (const int length : {1, 2, 3, 5, 10, 50}) {
        int mistaken = 0;
        for (int t = 0; t < kTexts; ++t) {
            std::string text;
            for (int w = 0; w < length; ++w) {
                std::string word = words[random() % words.size()];
                const auto style = random() % 10;
                if (style == 0)
                    word = upper(word);
                else if (style < 3)
                    word = upper(word.substr(0, 1)) + word.substr(1);
                text += (w ? " " : "") + word;
            }
            mistaken += decodeFile(text).encoding != FileEncoding::Windows1251;
        }
        std::printf("%3d words: %7d of %d (%.4f%%)\n", length, mistaken, kTexts,
                    100.0 * mistaken / kTexts);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    measureReading();
    measureMistakenUtf8();
    return 0;
}
