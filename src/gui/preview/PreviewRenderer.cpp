#include "PreviewRenderer.h"

#include "gui/ui/QtText.h"

#include <QTextDocument>
#include <QThread>

namespace quolan {

namespace {
RenderedPost render(RenderJob job, QThread* home) {
    RenderedPost out;
    out.preview = preview::previewPost(job.post, job.options);
    job.post = {}; // the copy can be long: let it go before the document grows
    // Parsing the HTML into a document is the larger share of the work and
    // is done here too; the window only lays out what is on screen.
    out.document = std::make_unique<QTextDocument>();
    out.document->setUndoRedoEnabled(false);
    out.document->setDefaultFont(job.font);
    out.document->setHtml(toQString(out.preview.html));
    out.preview.html = {};
    out.document->moveToThread(home);
    return out;
}
} // namespace

PreviewRenderer::PreviewRenderer(QObject& owner, Take take, Show show)
    : QObject(&owner), take_(std::move(take)), show_(std::move(show)) {
    setObjectName(QStringLiteral("PreviewRenderer"));
}

PreviewRenderer::~PreviewRenderer() {
    if (thread_) {
        thread_->wait();
        delete thread_;
    }
}

void PreviewRenderer::request() {
    if (busy())
        again_ = true;
    else
        start();
}

void PreviewRenderer::start() {
    again_ = false;
    thread_ = QThread::create([this, job = take_()]() mutable {
        auto result = std::make_shared<RenderedPost>(render(std::move(job), thread()));
        QMetaObject::invokeMethod(
            this, [this, result] { finished(result); }, Qt::QueuedConnection);
    });
    thread_->setObjectName(QStringLiteral("PreviewRender"));
    thread_->start(QThread::LowPriority);
}

void PreviewRenderer::finished(const std::shared_ptr<RenderedPost>& result) {
    thread_->wait(); // it has handed its result over: only its end is left
    delete thread_;
    thread_ = nullptr;
    if (again_) {
        start(); // the post changed while this one rendered
        return;
    }
    show_(std::move(*result));
}

} // namespace quolan
