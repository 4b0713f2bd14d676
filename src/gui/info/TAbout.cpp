#include "TAbout.h"

#include "core/info/InfoChains.h"
#include "core/info/InfoTexts.h"
#include "core/shell/ForumLinks.h"
#include "core/shell/LinkOpener.h"
#include "gui/info/AnimatedChain.h"
#include "gui/info/InfoLook.h"
#include "gui/info/InfoPictures.h"
#include "gui/info/TCredits.h"
#include "gui/ui/QtText.h"
#include "gui/ui/SecondaryWindows.h"

#include <QEvent>
#include <QPushButton>
#include <QTimer>

namespace quolan {

namespace {
constexpr std::string_view kSiteRootPath = "/";
constexpr std::string_view kForumPath = "/forum/";

QFont labelFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

QFont creditsLinkFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(8);
    font.setBold(true);
    font.setUnderline(true);
    return font;
}

QLabel* label(QWidget& parent, const char* name, const QString& text, QPoint at) {
    auto* made = new ClickLabel(text, &parent);
    made->setObjectName(QString::fromLatin1(name));
    made->move(at);
    made->resize(made->sizeHint());
    return made;
}
} // namespace

TAbout::TAbout(QWidget& mainWindow, const LinkOpener& links, SiteHost host)
    : mainWindow_(&mainWindow), links_(links), host_(std::move(host)) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(ui(info_text::AboutCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(410, 292);
    paintBlackAndLime(*this);
    setFont(labelFont());
    build();
    animation_ = new AnimatedChain(*this, info::aboutStages());
    // Out of sight until the opener brings them in.
    for (const char* name : {"MovBevel1", "Label1", "Label2"}) {
        auto* control = findChild<QWidget*>(QString::fromLatin1(name));
        control->move(432, control->y());
    }
    findChild<QWidget*>(QStringLiteral("BrennowBevel"))->hide();
    findChild<QWidget*>(QStringLiteral("Logo"))->hide();
    placeCentred(*this);
}

void TAbout::build() {
    // Earlier children lie below later ones: the band under the title lines,
    // the frames under what they frame.
    new Bevel(*this, "MovBevel1", QRect(-8, 8, 505, 57));
    new Bevel(*this, "BrennowBevel", QRect(72, 72, 289, 161));
    new Bevel(*this, "ButBev", QRect(304, 248, 153, 37));

    label(*this, "Label1", ui(info_text::AboutTitle), {8, 16});
    label(*this, "Label2", ui(info_text::AboutVersion), {8, 40});
    label(*this, "Label5", ui(info_text::AboutLinks), {8, 240});
    auto* site =
        static_cast<ClickLabel*>(label(*this, "Label3", linkText(kSiteRootPath), {8, 256}));
    auto* forum = static_cast<ClickLabel*>(label(*this, "Label4", linkText(kForumPath), {8, 272}));
    site->clicked = [this] { Label3Click(); };
    forum->clicked = [this] { Label4Click(); };

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Logo"));
    logo->setGeometry(72, 80, 280, 150);
    logo->setAlignment(Qt::AlignCenter);

    auto* ok = flatButton(*this, "okBtn", ui(info_text::Close), QRect(312, 256, 89, 22));
    connect(ok, &QPushButton::clicked, this, &TAbout::okBtnClick);

    auto* credits =
        static_cast<ClickLabel*>(label(*this, "Label6", ui(info_text::CreditsLabel), {336, 40}));
    credits->setFont(creditsLinkFont());
    credits->setFixedSize(64, 13);
    credits->clicked = [this] { Label6Click(); };

    for (auto* link : {site, forum, credits})
        link->setCursor(Qt::PointingHandCursor);
}

void TAbout::open() {
    // Drawn on first use: the start-up does not wait for it.
    auto* logo = findChild<QLabel*>(QStringLiteral("Logo"));
    if (logo->pixmap().isNull())
        logo->setPixmap(aboutLogo());
    findChild<QLabel*>(QStringLiteral("Label3"))->setText(linkText(kSiteRootPath));
    findChild<QLabel*>(QStringLiteral("Label4"))->setText(linkText(kForumPath));
    info::Chain& chain = animation_->chain();
    applyPresets(info::aboutOpener(), animation_->controls());
    fitLabels(*this);
    if (mainWindow_)
        showWhileMainDisabled(*this, *mainWindow_);
    else
        show();
    chain.start(0);
    for (std::size_t stage = chain.size() - 1; stage >= 1; --stage)
        chain.stop(stage);
}

void TAbout::okBtnClick() {
    if (mainWindow_)
        mainWindow_->setEnabled(true);
    close();
}

void TAbout::Label3Click() {
    openLink(kSiteRootPath);
}

void TAbout::Label4Click() {
    openLink(kForumPath);
}

// The address as a link shows it: host and path, no scheme.
QString TAbout::linkText(std::string_view path) const {
    return ui(host_() + std::string(path));
}

void TAbout::openLink(std::string_view path) const {
    links_.open(forumAddress(host_(), path));
}

void TAbout::Label6Click() {
    if (credits_)
        credits_->open(*this);
}

bool TAbout::event(QEvent* event) {
    // A label's text changed while the window is shown (the language).
    if (event->type() == QEvent::LayoutRequest)
        fitLabels(*this);
    return QWidget::event(event);
}

void TAbout::showEvent(QShowEvent* event) {
    animation_->resume();
    QWidget::showEvent(event);
}

void TAbout::hideEvent(QHideEvent* event) {
    if (isShelved(*this)) {
        // Put away with the main window, not closed: it comes back as it was,
        // still holding the main window.
        animation_->pause();
        QWidget::hideEvent(event);
        return;
    }
    // Nothing ticks for a hidden window: what is left of the opening ends
    // now, where it would have ended unseen.
    animation_->chain().completeNow();
    if (mainWindow_)
        mainWindow_->setEnabled(true);
    QWidget::hideEvent(event);
}

} // namespace quolan
