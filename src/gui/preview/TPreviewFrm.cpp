#include "TPreviewFrm.h"

#include "core/preview/PreviewTexts.h"
#include "core/shell/LinkOpener.h"
#include "core/tags/SmileyTable.h"
#include "gui/i18n/InterfaceLanguage.h"
#include "gui/pictures/SmileyPictures.h"
#include "gui/preview/PreviewPlacement.h"
#include "gui/preview/PreviewRenderer.h"
#include "gui/ui/QtText.h"
#include "gui/ui/SecondaryWindows.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace quolan {

namespace {
using preview::Text;

Language previewLanguage() {
    return shownLanguage().value_or(Language::Russian);
}

// In the language the interface shows now: the window may be made after a
// switch, and it is relabelled at every switch while it lives.
QString label(Text id) {
    return ui(preview::text(id, previewLanguage()));
}

// A browser that draws smileys with the palette's pictures and fetches
// nothing else, from the network or from files.
class PreviewBrowser final : public QTextBrowser {
public:
    explicit PreviewBrowser(QWidget* parent) : QTextBrowser(parent) {
        setObjectName(QStringLiteral("PreviewBrowser"));
        setOpenLinks(false);
        setOpenExternalLinks(false);
    }

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        if (type != QTextDocument::ImageResource || name.scheme() != QLatin1String("smiley"))
            return {};
        const std::string button = name.path().toStdString();
        const auto table = smileyTable();
        const auto row = std::find_if(table.begin(), table.end(),
                                      [&](const Smiley& s) { return s.button == button; });
        if (row == table.end())
            return {};
        const QPixmap picture =
            smileyPicture(row->button).pixmap(QSize(row->pictureWidth, row->pictureHeight));
        document()->addResource(QTextDocument::ImageResource, name, picture);
        return picture;
    }
};

QString withNumbers(QString text, std::initializer_list<std::size_t> numbers) {
    int slot = 1;
    for (const std::size_t n : numbers)
        text.replace(QStringLiteral("%") + QString::number(slot++), QString::number(n));
    return text;
}
} // namespace

TPreviewFrm::TPreviewFrm(EditorModel& editor, SelectInEditor select, const LinkOpener& links)
    // A tool window of the main window's: the window manager keeps it above
    // its owner, so a click in the editor does not bury it.
    : QWidget(nullptr, Qt::Tool), editor_(editor), select_(std::move(select)) {
    setObjectName(QStringLiteral("PreviewFrm"));
    resize(560, 620);

    auto* column = new QVBoxLayout(this);
    browser_ = new PreviewBrowser(this);
    connect(browser_, &QTextBrowser::anchorClicked, this,
            [&links](const QUrl& url) { links.open(url.toEncoded().toStdString()); });
    column->addWidget(browser_, 3);

    auto* findingsLabel = new QLabel(this);
    findingsLabel->setObjectName(QStringLiteral("FindingsLabel"));
    column->addWidget(findingsLabel);
    findings_ = new QListWidget(this);
    findings_->setObjectName(QStringLiteral("TagFindings"));
    connect(findings_, &QListWidget::itemClicked, this, &TPreviewFrm::findingClicked);
    connect(findings_, &QListWidget::itemActivated, this, &TPreviewFrm::findingClicked);
    column->addWidget(findings_, 1);

    counts_ = new QLabel(this);
    counts_->setObjectName(QStringLiteral("PreviewCounts"));
    column->addWidget(counts_);
    busy_ = new QLabel(this);
    busy_->setObjectName(QStringLiteral("PreviewBusy"));
    busy_->hide();
    column->addWidget(busy_);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("PreviewNote"));
    note_->setWordWrap(true);
    note_->setEnabled(false); // a quiet reminder
    note_->setVisible(editor_.length() > kLiveLimit);
    column->addWidget(note_);

    renderer_ = new PreviewRenderer(
        *this,
        [this] {
            preview::PreviewOptions options;
            options.language = previewLanguage();
            options.basePixelSize = std::max(1, QFontInfo(browser_->font()).pixelSize());
            options.htmlBytes = kLiveLimit;
            options.keptFindings = kListedFindings;
            return RenderJob{editor_.text(), options, browser_->font()};
        },
        [this](RenderedPost post) { showRendered(std::move(post)); });

    pause_ = new QTimer(this);
    pause_->setObjectName(QStringLiteral("PreviewTimer"));
    pause_->setSingleShot(true);
    pause_->setInterval(kPauseMs);
    connect(pause_, &QTimer::timeout, this, &TPreviewFrm::refresh);

    // F5 in this window too.
    auto* again = new QAction(this);
    again->setShortcut(QKeySequence(Qt::Key_F5));
    connect(again, &QAction::triggered, this, &TPreviewFrm::refresh);
    addAction(again);

    connection_ = editor_.changed.connect([this](const TextChange&) { editorChanged(); });
    relabel();
}

void TPreviewFrm::relabel() {
    setWindowTitle(label(Text::WindowCaption));
    findChild<QLabel*>(QStringLiteral("FindingsLabel"))->setText(label(Text::FindingsLabel));
    note_->setText(
        label(Text::UpdatesOnF5).replace(QStringLiteral("%1"), QString::number(kLiveLimit / 1024)));
    busy_->setText(label(Text::Rendering));
    if (hasResult_)
        listFindings();
    // The headings inside the post speak the language too.
    if (isVisible())
        refresh();
    else
        stale_ = true;
}

TPreviewFrm::~TPreviewFrm() {
    editor_.changed.disconnect(connection_);
}

bool TPreviewFrm::follows() const {
    return isVisible() && !isMinimized() && editor_.length() <= kLiveLimit;
}

bool TPreviewFrm::rendering() const {
    return renderer_->busy();
}

void TPreviewFrm::editorChanged() {
    stale_ = true;
    note_->setVisible(editor_.length() > kLiveLimit);
    if (follows())
        pause_->start();
}

void TPreviewFrm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    if (isMinimized())
        pause_->stop();
    else if (stale_ && follows())
        refresh();
}

void TPreviewFrm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_ && follows())
        refresh();
}

void TPreviewFrm::hideEvent(QHideEvent* event) {
    pause_->stop();
    QWidget::hideEvent(event);
}

void TPreviewFrm::refresh() {
    pause_->stop();
    stale_ = false;
    renderer_->request();
    // Short posts render faster than the note could be read.
    busy_->setVisible(editor_.length() > kLiveLimit);
}

void TPreviewFrm::showRendered(RenderedPost post) {
    busy_->hide();
    QScrollBar* scroll = browser_->verticalScrollBar();
    const int at = scroll->value();
    post.document->setParent(browser_); // the browser draws its smileys, and deletes it
    browser_->setDocument(post.document.release());
    scroll->setValue(at);

    found_ = std::move(post.preview.findings);
    foundCount_ = post.preview.findingCount;
    shownCounts_ = post.preview.counts;
    hasResult_ = true;
    listFindings();
    emit rendered();
}

void TPreviewFrm::listFindings() {
    findings_->clear();
    for (const preview::TagFinding& finding : found_) {
        auto* item = new QListWidgetItem(
            toQString(preview::findingMessage(finding, previewLanguage())), findings_);
        item->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(finding.start));
        item->setData(Qt::UserRole + 1, QVariant::fromValue<qulonglong>(finding.length));
    }
    if (foundCount_ > found_.size())
        findings_->addItem(withNumbers(label(Text::MoreFindings), {foundCount_ - found_.size()}));
    if (foundCount_ == 0)
        findings_->addItem(label(Text::NoFindings));
    counts_->setText(
        withNumbers(label(Text::Counts), {shownCounts_.editorCharacters,
                                          shownCounts_.forumCharacters, shownCounts_.bytes}));
}

void TPreviewFrm::findingClicked(QListWidgetItem* item) {
    const QVariant length = item->data(Qt::UserRole + 1);
    if (!length.isValid() || !select_)
        return;
    select_(static_cast<std::size_t>(item->data(Qt::UserRole).toULongLong()),
            static_cast<std::size_t>(length.toULongLong()));
}

void openPreview(TPreviewFrm& window, QWidget& mainWindow) {
    const bool wasShown = window.isVisible();
    if (!wasShown) {
        placeBesideOwner(window, mainWindow);
        showBesideMain(window, mainWindow); // renders a post that changed meanwhile
    }
    if (wasShown || window.stale())
        window.refresh();
}

} // namespace quolan
