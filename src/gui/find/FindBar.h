#pragma once

#include "core/editor/EditorModel.h"
#include "core/editor/Messages.h"
#include "core/find/EditorFind.h"
#include "core/i18n/LanguageTable.h"

#include <QWidget>

#include <cstddef>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace quolan {

// The find bar `FindBar` at the bottom of the main window: the text to find,
// the replacement, "match case", "whole words", the buttons and a status
// telling the count of matches and whether the search went round. It works
// on the editor model alone; the editor's view only shows the selection and
// gets the keyboard back when the bar closes (Escape).
class FindBar final : public QWidget {
    Q_OBJECT

public:
    FindBar(EditorModel& editor, QWidget& editorView, ReportError report,
            QWidget* parent = nullptr);
    ~FindBar() override;
    FindBar(const FindBar&) = delete;
    FindBar& operator=(const FindBar&) = delete;

    // Shows the bar with the find field (and the replace row) focused; a
    // short selection of one line becomes the text to find.
    void openFind();
    void openReplace();
    // F3 and Shift+F3; with nothing to find they open the bar instead.
    void findNext();
    void findPrevious();
    void replace();
    void replaceAll();
    // Hides the bar and gives the keyboard back to the editor.
    void dismiss();

    void setLanguage(Language language);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Status {
        enum class Kind { None, Count, NotFound, Replaced } kind = Kind::None;
        TextSearch::Count count;
        std::size_t replaced = 0;
        FindOutcome outcome;
        SearchDirection direction = SearchDirection::Forward;
    };

    TextSearch search() const;
    bool hasPattern() const;
    void open(bool withReplace);
    void find(SearchDirection direction);
    void showCount(const FindOutcome& outcome, SearchDirection direction);
    void showStatus();

    EditorModel& editor_;
    QWidget& editorView_;
    ReportError report_;
    Language language_ = Language::Russian;
    Status status_;
    std::size_t connection_ = 0;
    QLineEdit* findText_ = nullptr;
    QLineEdit* replaceText_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QCheckBox* wholeWords_ = nullptr;
    QList<QWidget*> replaceRow_;
    QLabel* statusLabel_ = nullptr;
};

} // namespace quolan
