#include "FindBar.h"

#include "core/find/FindTexts.h"
#include "gui/ui/QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>

namespace quolan {

namespace {
// A longer selection, or one of several lines, is not what the player wants to find.
constexpr std::size_t kLongestPrefill = 256;

template <typename Widget> Widget* named(QWidget* parent, std::string_view name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(ui(name));
    return widget;
}

QPushButton* button(QWidget* parent, std::string_view name, std::string_view caption) {
    auto* b = named<QPushButton>(parent, name);
    b->setText(ui(caption));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}
} // namespace

FindBar::FindBar(EditorModel& editor, QWidget& editorView, ReportError report, QWidget* parent)
    : QWidget(parent), editor_(editor), editorView_(editorView), report_(std::move(report)) {
    setObjectName(QStringLiteral("FindBar"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(2);

    auto* findLabel = named<QLabel>(this, "FindLabel");
    findLabel->setText(ui(findCaption("FindLabel")));
    findText_ = named<QLineEdit>(this, "FindText");
    findText_->setClearButtonEnabled(true);
    findLabel->setBuddy(findText_);
    auto* previous = button(this, "FindPreviousBtn", findCaption("FindPreviousBtn"));
    auto* next = button(this, "FindNextBtn", findCaption("FindNextBtn"));
    auto* close = named<QToolButton>(this, "FindCloseBtn");
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setAutoRaise(true);
    close->setToolTip(ui(findCaption("FindCloseBtn")));
    close->setAccessibleName(close->toolTip());
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(findText_, 0, 1);
    grid->addWidget(previous, 0, 2);
    grid->addWidget(next, 0, 3);
    grid->addWidget(close, 0, 4);

    auto* replaceLabel = named<QLabel>(this, "ReplaceLabel");
    replaceLabel->setText(ui(findCaption("ReplaceLabel")));
    replaceText_ = named<QLineEdit>(this, "ReplaceText");
    replaceLabel->setBuddy(replaceText_);
    auto* replaceOne = button(this, "ReplaceBtn", findCaption("ReplaceBtn"));
    auto* replaceEvery = button(this, "ReplaceAllBtn", findCaption("ReplaceAllBtn"));
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(replaceText_, 1, 1);
    grid->addWidget(replaceOne, 1, 2);
    grid->addWidget(replaceEvery, 1, 3);
    replaceRow_ = {replaceLabel, replaceText_, replaceOne, replaceEvery};

    auto* options = new QHBoxLayout;
    matchCase_ = named<QCheckBox>(this, "MatchCase");
    matchCase_->setText(ui(findCaption("MatchCase")));
    wholeWords_ = named<QCheckBox>(this, "WholeWords");
    wholeWords_->setText(ui(findCaption("WholeWords")));
    statusLabel_ = named<QLabel>(this, "FindStatus");
    // The status never widens the main window.
    statusLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    options->addWidget(matchCase_);
    options->addWidget(wholeWords_);
    options->addWidget(statusLabel_, 1);
    grid->addLayout(options, 2, 0, 1, 5);
    grid->setColumnStretch(1, 1);

    findText_->installEventFilter(this);
    replaceText_->installEventFilter(this);
    connect(next, &QPushButton::clicked, this, &FindBar::findNext);
    connect(previous, &QPushButton::clicked, this, &FindBar::findPrevious);
    connect(replaceOne, &QPushButton::clicked, this, &FindBar::replace);
    connect(replaceEvery, &QPushButton::clicked, this, &FindBar::replaceAll);
    connect(close, &QToolButton::clicked, this, &FindBar::dismiss);
    // The count follows what is looked for; it is taken again at each search.
    const auto recount = [this] { showCount({}, SearchDirection::Forward); };
    connect(findText_, &QLineEdit::textChanged, this, recount);
    connect(matchCase_, &QCheckBox::toggled, this, recount);
    connect(wholeWords_, &QCheckBox::toggled, this, recount);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("FindEscape"));
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &FindBar::dismiss);

    // A count taken before an edit would be wrong after it; counting again at
    // every key would cost a scan of the post per keystroke.
    connection_ = editor_.changed.connect([this](const TextChange&) {
        status_ = {};
        showStatus();
    });
    hide();
}

FindBar::~FindBar() {
    editor_.changed.disconnect(connection_);
}

TextSearch FindBar::search() const {
    return TextSearch(
        {postText(findText_->text()), matchCase_->isChecked(), wholeWords_->isChecked()});
}

bool FindBar::hasPattern() const {
    return !findText_->text().isEmpty();
}

void FindBar::open(bool withReplace) {
    const std::size_t length = editor_.selectionLength();
    if (length > 0 && length <= kLongestPrefill &&
        !(hasPattern() && selectionIsMatch(editor_, search()))) {
        const std::string selected = editor_.selectedText();
        if (selected.find_first_of("\r\n") == std::string::npos)
            findText_->setText(displayText(selected));
    }
    for (QWidget* widget : replaceRow_)
        widget->setVisible(withReplace);
    show();
    QLineEdit* field = withReplace && hasPattern() ? replaceText_ : findText_;
    field->setFocus(Qt::ShortcutFocusReason);
    field->selectAll();
    showCount({}, SearchDirection::Forward);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return QWidget::eventFilter(watched, event);
    // Enter finds the next match, Shift+Enter the previous; in the
    // replacement it replaces.
    if (watched == replaceText_)
        replace();
    else
        find(key->modifiers() & Qt::ShiftModifier ? SearchDirection::Backward
                                                  : SearchDirection::Forward);
    return true;
}

void FindBar::openFind() {
    open(false);
}

void FindBar::openReplace() {
    open(true);
}

void FindBar::findNext() {
    find(SearchDirection::Forward);
}

void FindBar::findPrevious() {
    find(SearchDirection::Backward);
}

void FindBar::find(SearchDirection direction) {
    if (!hasPattern()) {
        openFind();
        return;
    }
    show();
    const FindOutcome outcome = findInEditor(editor_, search(), direction);
    showCount(outcome, direction);
}

void FindBar::replace() {
    if (!hasPattern())
        return;
    const ReplaceOutcome outcome =
        replaceCurrent(editor_, search(), postText(replaceText_->text()));
    if (outcome.tooLarge)
        report_(msg::TextExceedsCapacity);
    showCount(outcome.next, SearchDirection::Forward);
}

void FindBar::replaceAll() {
    if (!hasPattern())
        return;
    const ReplaceAllOutcome outcome =
        replaceAllInEditor(editor_, search(), postText(replaceText_->text()));
    if (outcome.tooLarge) {
        report_(msg::TextExceedsCapacity);
        return;
    }
    status_ = {};
    status_.kind = Status::Kind::Replaced;
    status_.replaced = outcome.replacements;
    showStatus();
}

void FindBar::dismiss() {
    hide();
    editorView_.setFocus(Qt::OtherFocusReason);
}

void FindBar::showCount(const FindOutcome& outcome, SearchDirection direction) {
    status_ = {};
    if (hasPattern()) {
        status_.count = countInEditor(editor_, search());
        status_.kind = status_.count.total == 0 ? Status::Kind::NotFound : Status::Kind::Count;
        status_.outcome = outcome;
        status_.direction = direction;
    }
    showStatus();
}

void FindBar::showStatus() {
    const auto text = [this](const BilingualText& t) { return ui(inLanguage(t, language_)); };
    QString shown;
    switch (status_.kind) {
    case Status::Kind::None:
        break;
    case Status::Kind::NotFound:
        shown = text(findtext::NotFound);
        break;
    case Status::Kind::Replaced:
        shown = text(findtext::Replaced).arg(status_.replaced);
        break;
    case Status::Kind::Count:
        shown = status_.count.ordinal > 0
                    ? text(findtext::MatchOf).arg(status_.count.ordinal).arg(status_.count.total)
                    : text(findtext::Matches).arg(status_.count.total);
        if (status_.outcome.wrapped)
            shown += QStringLiteral(" · ") + text(status_.direction == SearchDirection::Forward
                                                      ? findtext::WrappedToStart
                                                      : findtext::WrappedToEnd);
        break;
    }
    statusLabel_->setText(shown);
}

void FindBar::setLanguage(Language language) {
    language_ = language;
    showStatus();
}

} // namespace quolan
