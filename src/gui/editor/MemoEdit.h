#pragma once

#include "core/editor/EditorModel.h"

#include <QPlainTextEdit>

#include <functional>

class QMenu;

namespace quolan {

// The editor control `Memo`: a plain-text view of an EditorModel. The model
// holds the post; edits the user makes here reach it as typing or deletion,
// and every change of the model is written back here.
class MemoEdit final : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit MemoEdit(EditorModel& model, QWidget* parent = nullptr);
    ~MemoEdit() override;
    MemoEdit(const MemoEdit&) = delete;
    MemoEdit& operator=(const MemoEdit&) = delete;

    EditorModel& model() const { return model_; }
    void setContextMenu(QMenu* menu) { contextMenu_ = menu; }
    // Keys that belong to menu items: the editor lets them pass to the shortcuts.
    void setMenuKeyTest(std::function<bool(const QKeyEvent&)> isMenuKey) {
        isMenuKey_ = std::move(isMenuKey);
    }

signals:
    // Before the context menu shows, at `at` in the viewport.
    void contextMenuOpening(const QPoint& at);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void documentChanged(int position, int removed, int added);
    void modelChanged(const TextChange& change);
    void showModelSelection();
    void takeSelectionFromView();
    QString documentText(int position, int length) const;
    // The nearer end of a reference "&#N;" that `position` falls inside, else `position`.
    int outsideReference(int position, bool towardsStart) const;
    void replaceDocumentRange(int from, int to, const QString& text);
    void chooseWrapPoints(std::string_view wholeText);
    void chooseWrapPointsForEdit(std::size_t position, std::size_t removed,
                                 std::string_view inserted);

    EditorModel& model_;
    QMenu* contextMenu_ = nullptr;
    std::function<bool(const QKeyEvent&)> isMenuKey_;
    std::size_t changedConnection_ = 0;
    std::size_t selectionConnection_ = 0;
    bool writingModelChange_ = false; // the document is being made to show the model
    bool takingViewEdit_ = false;     // the model is taking an edit made in the document
    bool rewroteViewEdit_ = false;    // the document no longer shows what was just typed
};

} // namespace quolan
