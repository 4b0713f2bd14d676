#include "TCredits.h"

#include "core/info/InfoChains.h"
#include "core/info/InfoTexts.h"
#include "gui/info/AnimatedChain.h"
#include "gui/info/InfoLook.h"
#include "gui/info/InfoPictures.h"
#include "gui/ui/QtText.h"
#include "gui/ui/SecondaryWindows.h"

#include <QCloseEvent>
#include <QHash>
#include <QPushButton>
#include <QWindow>

namespace quolan {

namespace {
QFont fixedFont(bool bold = false, int pixels = 0) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    if (pixels > 0)
        font.setPixelSize(pixels);
    else
        font.setPointSize(8);
    font.setBold(bold);
    return font;
}

// The names of the staff and the roles' holders, by label.
QHash<QString, QString> creditNames() {
    QHash<QString, QString> names;
    const QStringList lines =
        resourceText(QStringLiteral(":/info/credits.txt")).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0)
            names.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return names;
}

QLabel* label(QWidget& parent, const QString& name, const QString& text, QPoint at,
              const QFont& font) {
    auto* made = new QLabel(text, &parent);
    made->setObjectName(name);
    made->setFont(font);
    made->move(at);
    made->resize(made->sizeHint());
    return made;
}
} // namespace

TCredits::TCredits() {
    setObjectName(QStringLiteral("Credits"));
    setWindowTitle(ui(info_text::CreditsCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);
    setFixedSize(445, 411);
    paintBlackAndLime(*this);
    build();
    animation_ = new AnimatedChain(*this, info::creditsStages());
    placeCentred(*this);
}

void TCredits::build() {
    const QHash<QString, QString> names = creditNames();
    const QFont plain = fixedFont();
    const QFont bold = fixedFont(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(280, 16, 145, 185);

    label(*this, QStringLiteral("Label11"), ui(info_text::CreditsAdministration), {32, 16},
          fixedFont(true, 13));
    const char* staff[] = {"Label1", "Label3", "Label4", "Label2",  "Label7",  "Label6",
                           "Label9", "Label8", "Label5", "Label10", "Label20", "Label21"};
    int top = 32;
    for (const char* name : staff) {
        const QString key = QString::fromLatin1(name);
        label(*this, key, names.value(key), {32, top}, plain);
        top += 16;
    }
    findChild<QLabel*>(QStringLiteral("Label20"))->hide();
    findChild<QLabel*>(QStringLiteral("Label21"))->hide();

    // The curtain sweeps over the block above it.
    new Bevel(*this, "Bevel1", QRect(-48, 8, 361, 225));
    new Bevel(*this, "Bevel2", QRect(9, 0, 16, 409), Bevel::Shape::RightLine);
    new Bevel(*this, "Bevel3", QRect(24, 240, 425, 9), Bevel::Shape::TopLine);

    struct Role {
        const char* heading;
        std::string_view text;
        const char* holder;
        int top;
    };
    const Role roles[] = {{"Label12", info_text::CreditsIdea, "Label15", 248},
                          {"Label18", info_text::CreditsDeveloper, "Label19", 288},
                          {"Label13", info_text::CreditsTesters, "Label16", 328},
                          {"Label14", info_text::CreditsPublisher, "Label17", 368}};
    for (const Role& role : roles) {
        label(*this, QString::fromLatin1(role.heading), ui(role.text), {32, role.top}, bold);
        const QString holder = QString::fromLatin1(role.holder);
        label(*this, holder, names.value(holder), {32, role.top + 16}, plain);
    }

    new Bevel(*this, "BevelOk", QRect(336, 368, 121, 37));
    auto* ok = flatButton(*this, "CreditsOk", ui(info_text::Close), QRect(344, 376, 97, 22));
    ok->setFont(plain);
    connect(ok, &QPushButton::clicked, this, &TCredits::CreditsOkClick);
}

void TCredits::open(QWidget& opener) {
    // Decoded on first use: the start-up does not wait for it.
    if (!pictureLoaded_) {
        findChild<QLabel*>(QStringLiteral("Image1"))->setPixmap(creditsPicture());
        pictureLoaded_ = true;
    }
    applyPresets(info::creditsOpener(), animation_->controls());
    opener_ = &opener;
    winId();
    if (opener.windowHandle() && windowHandle())
        windowHandle()->setTransientParent(opener.windowHandle());
    show();
    raise();
    activateWindow();
    animation_->chain().start(0);
    opener.setEnabled(false);
}

void TCredits::stopOnClose() {
    for (std::size_t stage : info::creditsStopOnClose())
        animation_->chain().stop(stage);
}

void TCredits::CreditsOkClick() {
    stopOnClose();
    close();
}

void TCredits::closeEvent(QCloseEvent* event) {
    stopOnClose();
    if (opener_)
        opener_->setEnabled(true);
    event->accept();
}

void TCredits::showEvent(QShowEvent* event) {
    animation_->resume();
    QWidget::showEvent(event);
}

void TCredits::hideEvent(QHideEvent* event) {
    if (isShelved(*this)) { // it comes back as it was, holding the about window
        animation_->pause();
        QWidget::hideEvent(event);
        return;
    }
    // The last stage is not stopped by a close; it ends now rather than
    // ticking for a hidden window.
    animation_->chain().completeNow();
    if (opener_)
        opener_->setEnabled(true);
    QWidget::hideEvent(event);
}

} // namespace quolan
