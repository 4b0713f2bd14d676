#include "MemoEdit.h"

#include "core/text/LineBreaks.h"
#include "gui/ui/QtText.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace quolan {

namespace {
// Qt's word wrapping takes quadratic time on a stretch without a blank (a
// pasted megabyte of it would freeze the window for minutes); past this
// length lines break anywhere instead.
constexpr std::size_t kLongestWordWrappedRun = 5000;

// Sets a flag for the length of a scope, restoring what it was.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = saved_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool saved_;
};
} // namespace

MemoEdit::MemoEdit(EditorModel& model, QWidget* parent) : QPlainTextEdit(parent), model_(model) {
    setObjectName(QStringLiteral("Memo"));
    setUndoRedoEnabled(false); // the model keeps the one level of undo
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    {
        const FlagScope writing(writingModelChange_);
        setPlainText(displayText(model_.textView()));
    }
    connect(document(), &QTextDocument::contentsChange, this, &MemoEdit::documentChanged);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &MemoEdit::takeSelectionFromView);
    connect(this, &QPlainTextEdit::selectionChanged, this, &MemoEdit::takeSelectionFromView);
    changedConnection_ =
        model_.changed.connect([this](const TextChange& change) { modelChanged(change); });
    selectionConnection_ = model_.selectionChanged.connect([this] {
        if (!takingViewEdit_)
            showModelSelection();
    });
    showModelSelection();
}

MemoEdit::~MemoEdit() {
    model_.changed.disconnect(changedConnection_);
    model_.selectionChanged.disconnect(selectionConnection_);
    disconnect(document(), nullptr, this, nullptr);
    disconnect(this, nullptr, this, nullptr);
}

bool MemoEdit::event(QEvent* event) {
    // A key of a menu item must reach the shortcut, not the editor.
    if (event->type() == QEvent::ShortcutOverride && isMenuKey_ &&
        isMenuKey_(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QPlainTextEdit::event(event);
}

void MemoEdit::keyPressEvent(QKeyEvent* event) {
    if (isMenuKey_ && isMenuKey_(*event)) {
        // Only here if the shortcut could not take it; the editor never acts on it.
        event->ignore();
        return;
    }
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        // Never typed, even when there is no other control to move to.
        focusNextPrevChild(event->key() == Qt::Key_Tab);
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Every Enter is a line break of the post; Shift+Enter would otherwise
        // insert a soft break that the post has no form for.
        textCursor().insertText(QString(QChar::ParagraphSeparator));
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MemoEdit::contextMenuEvent(QContextMenuEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (contextMenu_)
        contextMenu_->popup(event->globalPos());
    event->accept();
}

void MemoEdit::insertFromMimeData(const QMimeData* source) {
    // Choose the wrapping before Qt lays the dropped text out.
    if (source && source->hasText())
        chooseWrapPoints(postText(source->text()), false);
    QPlainTextEdit::insertFromMimeData(source);
}

QString MemoEdit::documentText(int position, int length) const {
    QTextCursor cursor(document());
    cursor.setPosition(position);
    cursor.setPosition(position + length, QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

void MemoEdit::replaceDocumentRange(int from, int to, const QString& text) {
    const FlagScope writing(writingModelChange_);
    QTextCursor cursor(document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    if (text.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(text);
}

void MemoEdit::documentChanged(int position, int removed, int added) {
    if (writingModelChange_)
        return;
    // The reported range may be wider than the edit and may include the
    // document's final separator; compare with the model to find what changed.
    const int newLength = document()->characterCount() - 1;
    const int oldLength = newLength - added + removed;
    const int oldCount = std::max(0, std::min(removed, oldLength - position));
    const int newCount = std::max(0, std::min(added, newLength - position));

    const LineBreakIndex& breaks = model_.lineBreaks();
    const std::size_t textFrom = breaks.toText(static_cast<std::size_t>(position));
    const std::size_t textTo = breaks.toText(static_cast<std::size_t>(position + oldCount));
    const std::u16string before = toDisplay(model_.range(textFrom, textTo - textFrom));
    const QString after = documentText(position, newCount);
    const std::u16string_view afterView = toU16(after);

    if (before.size() != static_cast<std::size_t>(oldCount)) {
        // The document no longer matches the model; keep what the user sees.
        const QString all = documentText(0, newLength);
        const FlagScope taking(takingViewEdit_);
        model_.edit(0, model_.length(), postText(all));
        replaceDocumentRange(0, newLength, displayText(model_.textView()));
        takeSelectionFromView();
        return;
    }

    const std::size_t common = std::min(before.size(), afterView.size());
    std::size_t prefix = 0;
    while (prefix < common && before[prefix] == afterView[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < common - prefix &&
           before[before.size() - 1 - suffix] == afterView[afterView.size() - 1 - suffix])
        ++suffix;
    if (prefix + suffix == before.size() && prefix + suffix == afterView.size()) {
        takeSelectionFromView(); // nothing changed: a format change, or an equal text
        return;
    }

    const int editFrom = position + static_cast<int>(prefix);
    const int oldEditTo = position + static_cast<int>(before.size() - suffix);
    const int newEditTo = position + static_cast<int>(afterView.size() - suffix);
    const std::size_t textEditFrom = breaks.toText(static_cast<std::size_t>(editFrom));
    const std::size_t textEditTo = breaks.toText(static_cast<std::size_t>(oldEditTo));
    const QString typed = after.mid(static_cast<qsizetype>(prefix), newEditTo - editFrom);
    const std::string inserted = postText(typed);
    // A lone CR before or a lone LF after the edit may pair up with it.
    chooseWrapPoints(inserted, false);
    const bool joinsBreak = (textEditFrom > 0 && model_.range(textEditFrom - 1, 1) == "\r") ||
                            model_.range(textEditTo, 1) == "\n";
    {
        const FlagScope taking(takingViewEdit_);
        model_.edit(textEditFrom, textEditTo - textEditFrom, inserted);
    }
    if (joinsBreak) {
        replaceDocumentRange(0, document()->characterCount() - 1, displayText(model_.textView()));
        showModelSelection();
        return;
    }
    // Characters the code page lacks became references: show the post as it is.
    const QString shown = displayText(inserted);
    if (shown != typed)
        replaceDocumentRange(editFrom, newEditTo, shown);
    takeSelectionFromView();
}

void MemoEdit::modelChanged(const TextChange& change) {
    if (takingViewEdit_)
        return;
    {
        const FlagScope writing(writingModelChange_);
        if (change.wholeText) {
            chooseWrapPoints(model_.textView(), true);
            setPlainText(displayText(model_.textView()));
        } else {
            chooseWrapPoints(model_.range(change.position, change.inserted), false);
            const int from = static_cast<int>(model_.lineBreaks().toDisplay(change.position));
            const int removedChars = static_cast<int>(change.removed - change.removedBreaks);
            replaceDocumentRange(from, from + removedChars,
                                 displayText(model_.range(change.position, change.inserted)));
        }
    }
    showModelSelection();
}

void MemoEdit::chooseWrapPoints(std::string_view added, bool wholeText) {
    // Only a new whole text can take the anywhere-breaking back: finding the
    // long stretch gone after an edit would mean scanning everything.
    const bool longRun = hasUnbrokenRunLongerThan(added, kLongestWordWrappedRun);
    if (longRun)
        setWordWrapMode(QTextOption::WrapAnywhere);
    else if (wholeText)
        setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void MemoEdit::showModelSelection() {
    const LineBreakIndex& breaks = model_.lineBreaks();
    const int start = static_cast<int>(breaks.toDisplay(model_.selectionStart()));
    const int end =
        static_cast<int>(breaks.toDisplay(model_.selectionStart() + model_.selectionLength()));
    QTextCursor cursor = textCursor();
    if (cursor.selectionStart() == start && cursor.selectionEnd() == end)
        return; // keeps the direction of a selection made with the keyboard
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    const FlagScope writing(writingModelChange_);
    setTextCursor(cursor);
}

void MemoEdit::takeSelectionFromView() {
    if (writingModelChange_)
        return;
    const QTextCursor cursor = textCursor();
    const LineBreakIndex& breaks = model_.lineBreaks();
    const std::size_t start = breaks.toText(static_cast<std::size_t>(cursor.selectionStart()));
    const std::size_t end = breaks.toText(static_cast<std::size_t>(cursor.selectionEnd()));
    const FlagScope taking(takingViewEdit_);
    model_.setSelection(start, end - start);
}

} // namespace quolan
