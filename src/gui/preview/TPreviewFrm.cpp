#include "TPreviewFrm.h"

#include "core/preview/PreviewTexts.h"
#include "core/tags/SmileyTable.h"
#include "gui/editor/MemoEdit.h"
#include "gui/editor/TMainForm.h"
#include "gui/i18n/InterfaceLanguage.h"
#include "gui/pictures/SmileyPictures.h"
#include "gui/preview/PreviewLinks.h"
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

preview::Language previewLanguage() {
    return shownLanguage() == Language::English ? preview::Language::English
                                                : preview::Language::Russian;
}

// In the language the interface shows now: the window is relabelled at every
// showing and refresh, as it may be made after a switch or live across one.
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

TPreviewFrm::TPreviewFrm(EditorModel& editor, SelectInEditor select)
    : QWidget(nullptr, Qt::Window), editor_(editor), select_(std::move(select)) {
    setObjectName(QStringLiteral("PreviewFrm"));
    resize(560, 620);

    auto* column = new QVBoxLayout(this);
    browser_ = new PreviewBrowser(this);
    connect(browser_, &QTextBrowser::anchorClicked, this,
            [](const QUrl& url) { openPreviewLink(url); });
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
    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("PreviewNote"));
    note->setWordWrap(true);
    note->setEnabled(false); // a quiet reminder
    column->addWidget(note);

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
    findChild<QLabel*>(QStringLiteral("PreviewNote"))
        ->setText(label(Text::UpdatesOnF5).replace(QStringLiteral("%1"),
                                                   QString::number(kLiveLimit / 1024)));
}

TPreviewFrm::~TPreviewFrm() {
    editor_.changed.disconnect(connection_);
}

bool TPreviewFrm::follows() const {
    return isVisible() && !isMinimized() && editor_.length() <= kLiveLimit;
}

void TPreviewFrm::editorChanged() {
    stale_ = true;
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
    relabel();
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
    relabel();
    preview::PreviewOptions options;
    options.language = previewLanguage();
    options.basePixelSize = std::max(1, QFontInfo(browser_->font()).pixelSize());
    const preview::PostPreview shown = preview::previewPost(editor_.textView(), options);

    QScrollBar* scroll = browser_->verticalScrollBar();
    const int at = scroll->value();
    browser_->setHtml(toQString(shown.html));
    scroll->setValue(at);

    findings_->clear();
    int listed = 0;
    for (const preview::TagFinding& finding : shown.findings) {
        if (listed++ == kListedFindings) {
            findings_->addItem(
                withNumbers(label(Text::MoreFindings), {shown.findings.size() - kListedFindings}));
            break;
        }
        auto* item = new QListWidgetItem(toQString(preview::findingMessage(finding, options.language)), findings_);
        item->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(finding.start));
        item->setData(Qt::UserRole + 1, QVariant::fromValue<qulonglong>(finding.length));
    }
    if (shown.findings.empty())
        findings_->addItem(label(Text::NoFindings));

    counts_->setText(
        withNumbers(label(Text::Counts), {shown.counts.editorCharacters,
                                          shown.counts.forumCharacters, shown.counts.bytes}));
}

void TPreviewFrm::findingClicked(QListWidgetItem* item) {
    const QVariant length = item->data(Qt::UserRole + 1);
    if (!length.isValid() || !select_)
        return;
    select_(static_cast<std::size_t>(item->data(Qt::UserRole).toULongLong()),
            static_cast<std::size_t>(length.toULongLong()));
}

void openPreview(TMainForm& mainWindow, std::unique_ptr<TPreviewFrm>& window) {
    if (!window) {
        window = std::make_unique<TPreviewFrm>(
            mainWindow.editor(), [&mainWindow](std::size_t start, std::size_t length) {
                EditorModel& editor = mainWindow.editor();
                if (start + length > editor.length())
                    return; // the post changed since the check
                editor.setSelection(start, length);
                mainWindow.activateWindow();
                mainWindow.memo().setFocus(Qt::OtherFocusReason);
                mainWindow.memo().ensureCursorVisible();
            });
    }
    const bool wasShown = window->isVisible();
    if (!wasShown)
        showBesideMain(*window, mainWindow); // renders a post that changed meanwhile
    if (wasShown || window->stale())
        window->refresh();
}

} // namespace quolan
