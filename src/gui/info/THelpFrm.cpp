#include "THelpFrm.h"

#include "core/info/InfoTexts.h"
#include "gui/info/InfoLook.h"
#include "gui/ui/QtText.h"
#include "gui/ui/SecondaryWindows.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quolan {

namespace {
struct Page {
    const char* sheet;
    const char* memo;
    std::string_view tab;
    const char* text;
    bool shown;
};
constexpr Page kPages[] = {
    {"TabSheet1", "Memo1", info_text::HelpLicenceTab, ":/info/licence.txt", true},
    {"TabSheet3", "Memo2", info_text::HelpManualTab, ":/info/manual.txt", false},
    {"TabSheet2", "Memo3", info_text::HelpFaqTab, ":/info/faq.txt", true},
};
} // namespace

THelpFrm::THelpFrm() {
    setObjectName(QStringLiteral("HelpFrm"));
    setWindowTitle(ui(info_text::HelpCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(511, 448);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));
    for (const Page& page : kPages) {
        auto* sheet = new QWidget(pages);
        sheet->setObjectName(QString::fromLatin1(page.sheet));
        auto* fill = new QVBoxLayout(sheet);
        fill->setContentsMargins(0, 0, 0, 0);
        auto* memo = new QPlainTextEdit(sheet);
        memo->setObjectName(QString::fromLatin1(page.memo));
        memo->setReadOnly(true);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        QPalette palette = memo->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        memo->setPalette(palette);
        memo->setPlainText(resourceText(QString::fromLatin1(page.text)));
        fill->addWidget(memo);
        const int index = pages->addTab(sheet, ui(page.tab));
        pages->setTabVisible(index, page.shown);
    }
    pages->setCurrentIndex(0);
    column->addWidget(pages, 1);

    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("Panel1"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 4, 6, 4);
    row->addStretch(1);
    auto* close = new QPushButton(ui(info_text::Close), bar);
    close->setObjectName(QStringLiteral("Button1"));
    close->setFixedSize(79, 22);
    connect(close, &QPushButton::clicked, this, &THelpFrm::Button1Click);
    row->addWidget(close);
    column->addWidget(bar);
    placeCentred(*this);
}

void THelpFrm::open(QWidget* mainWindow) {
    if (isVisible())
        return;
    if (mainWindow)
        showBesideMain(*this, *mainWindow);
    else
        show();
}

void THelpFrm::Button1Click() {
    close();
}

} // namespace quolan
