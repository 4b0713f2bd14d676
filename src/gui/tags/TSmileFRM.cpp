#include "TSmileFRM.h"

#include "gui/pictures/SmileyPictures.h"
#include "gui/tags/GlyphButton.h"
#include "gui/ui/QtText.h"
#include "gui/ui/SecondaryWindows.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>

#include <vector>

namespace quolan {

namespace {
constexpr std::string_view kCaption = "Смайлы";
constexpr QSize kClientSize(473, 340);
constexpr QRect kPagesGeometry(8, 8, kSmileyPagesWidth, kSmileyPagesHeight);
constexpr QRect kOkGeometry(376, 312, 81, 22);

QFont boldened(QFont font) {
    font.setBold(true);
    return font;
}
} // namespace

TSmileFRM::TSmileFRM(EditorModel& editor, ReportError report)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint |
                           Qt::WindowDoesNotAcceptFocus),
      editor_(editor), report_(std::move(report)) {
    setObjectName(QStringLiteral("SmileFRM"));
    setWindowTitle(ui(kCaption));
    // Clicks must not take the keyboard from the editor or from a dialog.
    setAttribute(Qt::WA_ShowWithoutActivating);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    setFont(font);
    setFixedSize(kClientSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() -
             QPoint(kClientSize.width() / 2, kClientSize.height() / 2));

    buildPages();

    auto* ok = new GlyphButton(this);
    ok->setObjectName(QStringLiteral("SpeedButton29"));
    ok->setText(QStringLiteral("Ok"));
    ok->setFont(boldened(ok->font()));
    ok->setGeometry(kOkGeometry);
    connect(ok, &QToolButton::clicked, this, &TSmileFRM::SpeedButton29Click);
}

void TSmileFRM::buildPages() {
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setGeometry(kPagesGeometry);
    pages_->setFocusPolicy(Qt::NoFocus);
    std::vector<QWidget*> sheets;
    for (const SmileyPage& page : smileyPages()) {
        auto* sheet = new QWidget(pages_);
        sheet->setObjectName(ui(page.name));
        pages_->addTab(sheet, ui(page.caption));
        sheets.push_back(sheet);
    }
    pages_->setCurrentIndex(0);

    for (const Smiley& smiley : smileyTable()) {
        auto* button = new GlyphButton(sheets.at(static_cast<std::size_t>(smiley.page)));
        button->setObjectName(ui(smiley.button));
        button->setAutoRaise(true);
        button->setText(ui(smiley.caption));
        button->setFont(boldened(button->font()));
        button->setGeometry(smiley.left, smiley.top, smiley.width, smiley.height);
        button->setIcon(smileyPicture(smiley.button));
        button->setIconSize(QSize(smiley.pictureWidth, smiley.pictureHeight));
        button->setPictureSide(smiley.side);
        connect(button, &QToolButton::clicked, this, [this, &smiley] { smileyClick(smiley); });
    }
}

void TSmileFRM::showPalette(QWidget& mainWindow) {
    if (!isVisible())
        showBesideMain(*this, mainWindow);
}

void TSmileFRM::smileyClick(const Smiley& smiley) {
    insertSmiley(editor_, smiley, report_);
}

void TSmileFRM::SpeedButton29Click() {
    hide();
}

} // namespace quolan
