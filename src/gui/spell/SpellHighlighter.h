#pragma once

#include "core/spell/Speller.h"

#include <QObject>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTimer>

#include <optional>
#include <string>

class QPlainTextEdit;

namespace quolan {

// A misspelt word of the editor's document.
struct MisspeltWord {
    int position; // in the document
    int length;
    std::string word; // Windows-1251
    spell::Script script;
};

// Underlines misspelt words in an editor's document, as formats of its
// paragraphs' layouts: the text and the post never change. An edit checks
// its own paragraphs at once; a new text, a change of a paragraph's end
// region ("[code]" typed) and a word newly accepted are checked in slices of
// a few milliseconds, the visible paragraphs first, until everything is done.
class SpellHighlighter final : public QObject {
    Q_OBJECT

public:
    SpellHighlighter(QPlainTextEdit& edit, spell::Speller& speller);
    ~SpellHighlighter() override;
    SpellHighlighter(const SpellHighlighter&) = delete;
    SpellHighlighter& operator=(const SpellHighlighter&) = delete;

    // Off clears the underlines; on checks the whole text anew.
    void setEnabled(bool enabled);
    bool enabled() const { return enabled_; }
    // After the speller's verdicts changed: every paragraph again.
    void recheckAll();
    // Whether paragraphs wait for a slice.
    bool pending() const { return slices_.isActive(); }

    // The misspelt word at, or ending at, a document position.
    std::optional<MisspeltWord> misspeltAt(int position);

signals:
    // Every paragraph is checked; nothing runs until the next change.
    void allChecked();

private:
    void contentsChanged(int position, int removed, int added);
    void runSlice();
    void restartSweep(int fromBlock);
    bool isCurrent(const QTextBlock& block) const;
    spell::Region startRegion(const QTextBlock& block) const;
    void check(QTextBlock block);

    QPlainTextEdit& edit_;
    spell::Speller& speller_;
    QTextCharFormat misspelt_;
    QTimer slices_;
    bool enabled_ = true;
    int generation_ = 0;
    int sweepBlock_ = 0; // every paragraph before it is current
    int characterCount_ = 0;
};

} // namespace quolan
