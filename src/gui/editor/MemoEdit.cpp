#include "MemoEdit.h"

#include "core/editor/TextDiff.h"
#include "core/text/LineBreaks.h"
#include "gui/ui/QtText.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScopedValueRollback>
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
} // namespace

MemoEdit::MemoEdit(EditorModel& model, QWidget* parent) : QPlainTextEdit(parent), model_(model) {
    setObjectName(QStringLiteral("Memo"));
    setUndoRedoEnabled(false); // the model keeps the one level of undo
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    {
        const QScopedValueRollback writing(writingModelChange_, true);
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

void MemoEdit::inputMethodEvent(QInputMethodEvent* event) {
    rewroteViewEdit_ = false;
    // A replacement reaching into a reference the binding made of a committed
    // character takes the whole reference: the input method knew it as that
    // one character, and half a reference would be garbage in the post.
    bool handled = false;
    const QTextCursor cursor = textCursor();
    if (event->replacementLength() > 0 && !cursor.hasSelection()) {
        const int caret = cursor.position();
        const int from = caret + event->replacementStart();
        const int to = from + event->replacementLength();
        const int wideFrom = outsideReference(from, true);
        const int wideTo = outsideReference(to, false);
        if (wideFrom != from || wideTo != to) {
            QInputMethodEvent widened(event->preeditString(), event->attributes());
            widened.setCommitString(event->commitString(), wideFrom - caret, wideTo - wideFrom);
            QPlainTextEdit::inputMethodEvent(&widened);
            event->setAccepted(widened.isAccepted());
            handled = true;
        }
    }
    if (!handled)
        QPlainTextEdit::inputMethodEvent(event);
    // The input method still believes the text holds what it committed; it
    // must not edit it again from that belief. A composition going on is
    // kept and only told what the text around it now is.
    if (rewroteViewEdit_) {
        if (event->preeditString().isEmpty())
            QGuiApplication::inputMethod()->reset();
        else
            QGuiApplication::inputMethod()->update(Qt::ImQueryAll);
    }
}

int MemoEdit::outsideReference(int position, bool towardsStart) const {
    const int length = document()->characterCount() - 1;
    if (position <= 0 || position >= length)
        return position;
    constexpr int kLongestReference = 10; // "&#1114111;"
    const int from = std::max(0, position - kLongestReference);
    const int to = std::min(length, position + kLongestReference);
    const auto reference = referenceAround(toU16(documentText(from, to - from)),
                                           static_cast<std::size_t>(position - from));
    if (!reference)
        return position;
    return from + static_cast<int>(towardsStart ? reference->first : reference->second);
}

void MemoEdit::contextMenuEvent(QContextMenuEvent* event) {
    setFocus(Qt::MouseFocusReason);
    emit contextMenuOpening(event->pos());
    if (contextMenu_)
        contextMenu_->popup(event->globalPos());
    event->accept();
}

void MemoEdit::insertFromMimeData(const QMimeData* source) {
    // Choose the wrapping before Qt lays the dropped text out.
    if (source && source->hasText() &&
        hasUnbrokenRunLongerThan(postText(source->text()), kLongestWordWrappedRun))
        setWordWrapMode(QTextOption::WrapAnywhere);
    QPlainTextEdit::insertFromMimeData(source);
}

QString MemoEdit::documentText(int position, int length) const {
    QTextCursor cursor(document());
    cursor.setPosition(position);
    cursor.setPosition(position + length, QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

void MemoEdit::replaceDocumentRange(int from, int to, const QString& text) {
    const QScopedValueRollback writing(writingModelChange_, true);
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
    const std::size_t textTo =
        breaks.toText(static_cast<std::size_t>(position) + static_cast<std::size_t>(oldCount));
    const std::u16string before = toDisplay(model_.range(textFrom, textTo - textFrom));
    const QString after = documentText(position, newCount);
    const std::u16string_view afterView = toU16(after);

    if (before.size() != static_cast<std::size_t>(oldCount)) {
        // The document no longer matches the model; keep what the user sees.
        const QString all = documentText(0, newLength);
        const QScopedValueRollback taking(takingViewEdit_, true);
        model_.edit(0, model_.length(), postText(all));
        replaceDocumentRange(0, newLength, displayText(model_.textView()));
        rewroteViewEdit_ = true;
        takeSelectionFromView();
        return;
    }

    // Qt may report an input method's change over the whole line: the caret
    // tells where among equal characters the user's edit stands.
    const std::size_t selectionFrom = breaks.toDisplay(model_.selectionStart());
    const std::size_t selectionTo =
        breaks.toDisplay(model_.selectionStart() + model_.selectionLength());
    const QTextCursor cursor = textCursor();
    const TextDiff diff =
        findTextDiff(before, afterView, static_cast<std::size_t>(position),
                     {selectionFrom, selectionTo, static_cast<std::size_t>(cursor.position()),
                      cursor.hasSelection()});
    if (diff.empty()) {
        takeSelectionFromView(); // nothing changed: a format change, or an equal text
        return;
    }

    const int editFrom = position + static_cast<int>(diff.from);
    const int oldEditTo = editFrom + static_cast<int>(diff.removed);
    const int newEditTo = editFrom + static_cast<int>(diff.inserted);
    const std::size_t textEditFrom = breaks.toText(static_cast<std::size_t>(editFrom));
    const std::size_t textEditTo = breaks.toText(static_cast<std::size_t>(oldEditTo));
    const QString typed = after.mid(static_cast<qsizetype>(diff.from), newEditTo - editFrom);
    const std::string inserted = postText(typed);
    chooseWrapPointsForEdit(textEditFrom, textEditTo - textEditFrom, inserted);
    // A lone CR before or a lone LF after the edit may pair up with it.
    const bool joinsBreak = (textEditFrom > 0 && model_.range(textEditFrom - 1, 1) == "\r") ||
                            model_.range(textEditTo, 1) == "\n";
    {
        const QScopedValueRollback taking(takingViewEdit_, true);
        model_.edit(textEditFrom, textEditTo - textEditFrom, inserted);
    }
    if (joinsBreak) {
        replaceDocumentRange(0, document()->characterCount() - 1, displayText(model_.textView()));
        rewroteViewEdit_ = true;
        showModelSelection();
        return;
    }
    // Characters the code page lacks became references: show the post as it is.
    const QString shown = displayText(inserted);
    if (shown != typed) {
        replaceDocumentRange(editFrom, newEditTo, shown);
        rewroteViewEdit_ = true;
    }
    takeSelectionFromView();
}

void MemoEdit::modelChanged(const TextChange& change) {
    if (takingViewEdit_)
        return;
    {
        const QScopedValueRollback writing(writingModelChange_, true);
        if (change.wholeText) {
            chooseWrapPoints(model_.textView());
            setPlainText(displayText(model_.textView()));
        } else {
            const std::string inserted = model_.range(change.position, change.inserted);
            // The model holds the edit already: measure it as put in place of itself.
            chooseWrapPointsForEdit(change.position, change.inserted, inserted);
            const int from = static_cast<int>(model_.lineBreaks().toDisplay(change.position));
            const int removedChars = static_cast<int>(change.removed - change.removedBreaks);
            replaceDocumentRange(from, from + removedChars, displayText(inserted));
        }
    }
    showModelSelection();
}

void MemoEdit::chooseWrapPoints(std::string_view wholeText) {
    setWordWrapMode(hasUnbrokenRunLongerThan(wholeText, kLongestWordWrappedRun)
                        ? QTextOption::WrapAnywhere
                        : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void MemoEdit::chooseWrapPointsForEdit(std::size_t position, std::size_t removed,
                                       std::string_view inserted) {
    // Only a new whole text can take the anywhere-breaking back: finding the
    // long stretch gone after an edit would mean scanning everything. The
    // stretch is judged with the text around the edit, so that one grown by
    // many small pastes or keys is caught as well as one pasted at once.
    if (wordWrapMode() != QTextOption::WrapAnywhere &&
        model_.editLeavesUnbrokenRunLongerThan(position, removed, inserted, kLongestWordWrappedRun))
        setWordWrapMode(QTextOption::WrapAnywhere);
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
    const QScopedValueRollback writing(writingModelChange_, true);
    setTextCursor(cursor);
}

void MemoEdit::takeSelectionFromView() {
    if (writingModelChange_)
        return;
    const QTextCursor cursor = textCursor();
    const LineBreakIndex& breaks = model_.lineBreaks();
    const std::size_t start = breaks.toText(static_cast<std::size_t>(cursor.selectionStart()));
    const std::size_t end = breaks.toText(static_cast<std::size_t>(cursor.selectionEnd()));
    const QScopedValueRollback taking(takingViewEdit_, true);
    model_.setSelection(start, end - start);
}

} // namespace quolan
