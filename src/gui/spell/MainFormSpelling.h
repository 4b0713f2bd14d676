#pragma once

#include "core/editor/Messages.h"
#include "core/spell/Speller.h"
#include "gui/spell/SpellHighlighter.h"

#include <QObject>
#include <QString>

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <thread>

class QAction;
class QMenu;
class QPoint;

namespace quolan {

class EditorModel;
class IniStore;
class InterfaceLanguage;
class MemoEdit;

// What spelling works with in the main window.
struct SpellingPorts {
    EditorModel& editor;
    MemoEdit& memo;     // underlined; the word under the context menu
    QAction& item;      // the "Вид" menu's check item
    QMenu& contextMenu; // the editor's, headed by the suggestions
    InterfaceLanguage& language;
    IniStore& settings; // the check item's state
    ReportError report; // the player's word list cannot be written
};

// Spelling as the player types, in the main window: the check item of the
// "Вид" menu (kept in the settings file), the underlines in `Memo`, and the
// suggestions, "add to my dictionary" and "ignore in this post" heading the
// editor's context menu over a misspelt word. The dictionaries load on a
// thread of their own; the player's own words live in a file of the user's
// data folder, read at start.
class MainFormSpelling final : public QObject {
    Q_OBJECT

public:
    MainFormSpelling(SpellingPorts ports, std::span<const std::filesystem::path> dictionaryFolders);
    ~MainFormSpelling() override;
    MainFormSpelling(const MainFormSpelling&) = delete;
    MainFormSpelling& operator=(const MainFormSpelling&) = delete;

    // The "Вид" menu's check item was clicked.
    void toggled();

    // Null until the dictionaries are loaded, and without any.
    SpellHighlighter* highlighter() const { return highlighter_; }
    // The file of the player's own words.
    static QString personalWordsPath();

signals:
    // The dictionaries are loaded and the editor is being checked.
    void dictionariesLoaded();

private:
    void loaded(std::shared_ptr<spell::SpellChecker> checker);
    void buildContextItems();
    void contextMenuOpening(const QPoint& at);
    void replaceWord(std::size_t suggestion);
    void addWord();
    void ignoreWord();
    void showHint();

    SpellingPorts ports_;
    QAction* item_ = nullptr;
    std::array<QAction*, spell::Speller::kMostSuggestions> suggestionItems_{};
    QAction* noSuggestion_ = nullptr;
    QAction* add_ = nullptr;
    QAction* ignore_ = nullptr;
    QAction* separator_ = nullptr;
    bool hasRussian_ = false;
    bool hasEnglish_ = false;
    std::string personalText_;
    std::unique_ptr<spell::Speller> speller_;
    SpellHighlighter* highlighter_ = nullptr;
    std::optional<MisspeltWord> word_; // under the context menu
    std::vector<std::string> suggestions_;
    std::optional<std::size_t> changedConnection_;
    std::thread loader_;
};

} // namespace quolan
