#pragma once

#include "core/preview/PostPreview.h"

#include <QFont>
#include <QObject>

#include <functional>
#include <memory>
#include <string>

class QTextDocument;
class QThread;

namespace quolan {

// A render's outcome: the findings and counts of the whole post, and the
// rendered post as a document ready to be shown.
struct RenderedPost {
    preview::PostPreview preview; // its HTML is in `document` now
    std::unique_ptr<QTextDocument> document;
};

// What to render: a copy of the post, never the editor itself, which goes
// on changing meanwhile.
struct RenderJob {
    std::string post;
    preview::PreviewOptions options;
    QFont font;
};

// Renders posts on a thread of its own, one at a time, so that no post,
// however long, holds the window's thread. A request made while a render
// runs is served when it ends, with the post as it is then; the result of
// the render it replaced is never shown.
class PreviewRenderer final : public QObject {
public:
    using Take = std::function<RenderJob()>;
    using Show = std::function<void(RenderedPost)>;

    PreviewRenderer(QObject& owner, Take take, Show show);
    ~PreviewRenderer() override; // waits for a render under way
    PreviewRenderer(const PreviewRenderer&) = delete;
    PreviewRenderer& operator=(const PreviewRenderer&) = delete;

    void request();
    bool busy() const { return thread_ != nullptr; }

private:
    void start();
    void finished(const std::shared_ptr<RenderedPost>& result);

    Take take_;
    Show show_;
    QThread* thread_ = nullptr;
    bool again_ = false;
};

} // namespace quolan
