#include "MainFormSpelling.h"

#include "core/settings/IniStore.h"
#include "core/settings/SettingsKeys.h"
#include "core/spell/HunspellChecker.h"
#include "core/spell/SpellTexts.h"
#include "gui/editor/MemoEdit.h"
#include "gui/i18n/InterfaceLanguage.h"
#include "gui/ui/QtText.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

#include <future>

namespace quolan {

namespace {
using spell::Script;

// One load of the system's dictionaries serves every window of the process.
std::shared_future<std::shared_ptr<spell::SpellChecker>> systemDictionaries() {
    static const auto loading =
        std::async(std::launch::async, [] {
            return std::shared_ptr<spell::SpellChecker>(
                std::make_shared<spell::HunspellChecker>(spell::systemDictionaryFolders()));
        }).share();
    return loading;
}

bool dictionaryIn(std::span<const std::filesystem::path> folders, Script script) {
    const std::string name = script == Script::Russian ? "ru_RU" : "en_US";
    for (const std::filesystem::path& folder : folders) {
        std::error_code error;
        if (std::filesystem::is_regular_file(folder / (name + ".aff"), error) &&
            std::filesystem::is_regular_file(folder / (name + ".dic"), error))
            return true;
    }
    return false;
}

QString rowText(std::string_view element) {
    for (const LanguageRow& row : spell::kSpellRows)
        if (row.control == element)
            return ui(row.text.russian);
    return {};
}
} // namespace

MainFormSpelling::MainFormSpelling(SpellingPorts ports,
                                   std::span<const std::filesystem::path> dictionaryFolders)
    : ports_(std::move(ports)), item_(&ports_.item) {
    hasRussian_ = dictionaryIn(dictionaryFolders, Script::Russian);
    hasEnglish_ = dictionaryIn(dictionaryFolders, Script::English);
    const bool any = hasRussian_ || hasEnglish_;
    item_->setEnabled(any);
    item_->setChecked(any && ports_.settings.readInteger(setting::Spelling.section,
                                                         setting::Spelling.key, 1) != 0);
    showHint();
    connect(&ports_.language, &InterfaceLanguage::languageShown, this, &MainFormSpelling::showHint);
    buildContextItems();
    connect(&ports_.memo, &MemoEdit::contextMenuOpening, this,
            &MainFormSpelling::contextMenuOpening);
    if (!any)
        return;

    QFile personal(personalWordsPath());
    if (personal.open(QIODevice::ReadOnly))
        personalText_ = personal.readAll().toStdString();

    const bool system = std::equal(dictionaryFolders.begin(), dictionaryFolders.end(),
                                   spell::systemDictionaryFolders().begin(),
                                   spell::systemDictionaryFolders().end());
    std::vector<std::filesystem::path> folders(dictionaryFolders.begin(), dictionaryFolders.end());
    loader_ = std::thread([this, system, folders = std::move(folders)] {
        auto checker = system ? systemDictionaries().get()
                              : std::shared_ptr<spell::SpellChecker>(
                                    std::make_shared<spell::HunspellChecker>(folders));
        // Dropped unseen if the window is gone by then.
        QMetaObject::invokeMethod(
            this, [this, checker] { loaded(checker); }, Qt::QueuedConnection);
    });
}

MainFormSpelling::~MainFormSpelling() {
    if (loader_.joinable())
        loader_.join();
    delete highlighter_;
    if (changedConnection_)
        ports_.editor.changed.disconnect(*changedConnection_);
}

QString MainFormSpelling::personalWordsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/quolan/words.txt");
}

void MainFormSpelling::loaded(std::shared_ptr<spell::SpellChecker> checker) {
    speller_ = std::make_unique<spell::Speller>(std::move(checker));
    speller_->setPersonalWords(personalText_);
    personalText_.clear();
    highlighter_ = new SpellHighlighter(ports_.memo, *speller_);
    highlighter_->setEnabled(item_->isChecked());
    // A new post ignores nothing.
    changedConnection_ = ports_.editor.changed.connect([this](const TextChange& change) {
        if (change.wholeText && speller_)
            speller_->forgetIgnored();
    });
    emit dictionariesLoaded();
}

void MainFormSpelling::showHint() {
    const std::optional<Language> shown = ports_.language.shown();
    QString hint;
    if (!hasRussian_ && !hasEnglish_)
        hint = ui(inLanguage(spell::kNoDictionaryHint, shown));
    else if (!hasRussian_)
        hint = ui(inLanguage(spell::kNoRussianHint, shown));
    else if (!hasEnglish_)
        hint = ui(inLanguage(spell::kNoEnglishHint, shown));
    item_->setToolTip(hint);
    item_->setStatusTip(hint);
    if (auto* menu = qobject_cast<QMenu*>(item_->parent()))
        menu->setToolTipsVisible(!hint.isEmpty());
}

void MainFormSpelling::buildContextItems() {
    QMenu& menu = ports_.contextMenu;
    QAction* first = menu.actions().value(0);
    for (std::size_t i = 0; i < suggestionItems_.size(); ++i) {
        auto* item = new QAction(&menu);
        item->setObjectName(QStringLiteral("Suggestion%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, i] { replaceWord(i); });
        menu.insertAction(first, item);
        suggestionItems_[i] = item;
    }
    const auto addItem = [&](std::string_view name) {
        auto* item = new QAction(rowText(name), &menu);
        item->setObjectName(ui(name));
        menu.insertAction(first, item);
        return item;
    };
    noSuggestion_ = addItem(spell::kNoSuggestionItem);
    noSuggestion_->setEnabled(false);
    add_ = addItem(spell::kAddItem);
    connect(add_, &QAction::triggered, this, &MainFormSpelling::addWord);
    ignore_ = addItem(spell::kIgnoreItem);
    connect(ignore_, &QAction::triggered, this, &MainFormSpelling::ignoreWord);
    separator_ = menu.insertSeparator(first);
    separator_->setObjectName(QStringLiteral("SpellSeparator1"));
    contextMenuOpening({-1, -1});
}

void MainFormSpelling::contextMenuOpening(const QPoint& at) {
    word_.reset();
    suggestions_.clear();
    if (highlighter_ && at.x() >= 0)
        word_ = highlighter_->misspeltAt(ports_.memo.cursorForPosition(at).position());
    if (word_)
        suggestions_ = speller_->suggestions(word_->word, word_->script);
    for (std::size_t i = 0; i < suggestionItems_.size(); ++i) {
        const bool shown = i < suggestions_.size();
        suggestionItems_[i]->setVisible(shown);
        suggestionItems_[i]->setText(shown ? displayText(suggestions_[i]) : QString());
    }
    noSuggestion_->setVisible(word_ && suggestions_.empty());
    for (QAction* item : {add_, ignore_, separator_})
        item->setVisible(word_.has_value());
}

void MainFormSpelling::replaceWord(std::size_t suggestion) {
    if (!word_ || suggestion >= suggestions_.size())
        return;
    EditorModel& editor = ports_.editor;
    const std::size_t at = editor.lineBreaks().toText(static_cast<std::size_t>(word_->position));
    if (editor.range(at, word_->word.size()) != word_->word)
        return; // the text moved under the menu
    editor.edit(at, word_->word.size(), suggestions_[suggestion]);
}

void MainFormSpelling::addWord() {
    if (!word_)
        return;
    const QString path = personalWordsPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    const std::string line = spell::Speller::personalLine(word_->word);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) ||
        file.write(line.data(), static_cast<qint64>(line.size())) !=
            static_cast<qint64>(line.size()) ||
        !file.flush())
        ports_.report(msg::unableToWrite(postText(path)));
    // Accepted for this run even when the file refused it.
    speller_->addPersonalWord(word_->word);
    highlighter_->recheckAll();
}

void MainFormSpelling::ignoreWord() {
    if (!word_)
        return;
    speller_->ignore(word_->word);
    highlighter_->recheckAll();
}

void MainFormSpelling::toggled() {
    const bool on = item_->isChecked();
    ports_.settings.writeInteger(setting::Spelling.section, setting::Spelling.key, on ? 1 : 0);
    if (highlighter_)
        highlighter_->setEnabled(on);
}

} // namespace quolan
