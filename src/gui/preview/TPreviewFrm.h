#pragma once

#include "core/editor/EditorModel.h"
#include "core/preview/PostPreview.h"

#include <QWidget>

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QTextBrowser;
class QTimer;

namespace quolan {

class LinkOpener;
class PreviewRenderer;
struct RenderedPost;

// The preview `PreviewFrm`: the post as the forum will show it, the tags it
// would print as text or nest wrongly, and the post's counts. It stands
// beside the main window, above it, like the smiley palette. It follows the
// typing a moment after the typing pauses, and does nothing at all while
// hidden or minimized. Posts are rendered away from the window's thread.
class TPreviewFrm final : public QWidget {
    Q_OBJECT

public:
    // Posts longer than this update on F5 only, and only their beginning, this
    // long, is shown: Qt takes longer to lay out more than a pause in typing
    // should. The checker and the counts always take the whole post.
    static constexpr std::size_t kLiveLimit = 128 * 1024;
    static constexpr int kPauseMs = 300;
    // The checker's list shows at most this many entries.
    static constexpr int kListedFindings = 500;

    using SelectInEditor = std::function<void(std::size_t start, std::size_t length)>;

    // A link clicked in the post goes to `links`, which outlives the window.
    TPreviewFrm(EditorModel& editor, SelectInEditor select, const LinkOpener& links);
    ~TPreviewFrm() override;
    TPreviewFrm(const TPreviewFrm&) = delete;
    TPreviewFrm& operator=(const TPreviewFrm&) = delete;

    // Renders the post as it is now, whatever its length; the window shows
    // it when the render is done.
    void refresh();
    // The post changed since it was last rendered.
    bool stale() const { return stale_; }
    bool rendering() const;
    // The interface language changed: every text of the window follows at once.
    void relabel();

signals:
    void rendered();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Shown, not minimized, and the post short enough to follow the typing.
    bool follows() const;
    void editorChanged();
    void showRendered(RenderedPost post);
    void listFindings();
    void findingClicked(QListWidgetItem* item);

    EditorModel& editor_;
    SelectInEditor select_;
    std::size_t connection_ = 0;
    bool stale_ = true;
    QTextBrowser* browser_ = nullptr;
    QListWidget* findings_ = nullptr;
    QLabel* counts_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* busy_ = nullptr;
    QTimer* pause_ = nullptr;
    PreviewRenderer* renderer_ = nullptr;
    // What the shown render found, for relabelling it.
    std::vector<preview::TagFinding> found_;
    std::size_t foundCount_ = 0;
    preview::PostCounts shownCounts_ = {};
    bool hasResult_ = false;
};

// The "Вид" menu's preview command (F5): shows the window beside the main
// window and renders the post.
void openPreview(TPreviewFrm& window, QWidget& mainWindow);

} // namespace quolan
