#include "ToolbarBuilder.h"

#include "gui/pictures/Pictures.h"
#include "gui/ui/QtText.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>

namespace quolan {

namespace {
QFont faceFont(const ToolbarEntry& entry, const QFont& base) {
    QFont font = base;
    if (!entry.fontFamily.empty())
        font.setFamily(ui(entry.fontFamily));
    font.setBold(entry.face == ToolbarEntry::Face::Bold);
    font.setUnderline(entry.face == ToolbarEntry::Face::Underline);
    font.setItalic(entry.face == ToolbarEntry::Face::Italic);
    return font;
}
} // namespace

void buildToolbar(QWidget& bar, std::span<const ToolbarEntry> entries, const RunCommand& run) {
    auto* layout = qobject_cast<QHBoxLayout*>(bar.layout());
    if (!layout) {
        layout = new QHBoxLayout(&bar);
        layout->setContentsMargins(2, 0, 2, 0);
        layout->setSpacing(1);
    }
    for (const ToolbarEntry& entry : entries) {
        if (entry.isSeparator()) {
            auto* line = new QFrame(&bar);
            line->setFrameShape(QFrame::VLine);
            line->setFrameShadow(QFrame::Sunken);
            line->setFixedHeight(kToolbarButtonHeight);
            layout->addSpacing(2);
            layout->addWidget(line);
            layout->addSpacing(2);
            continue;
        }
        auto* button = new QToolButton(&bar);
        button->setObjectName(ui(entry.name));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(entry.width, kToolbarButtonHeight);
        button->setToolTip(ui(entry.hint));
        if (entry.face == ToolbarEntry::Face::Picture) {
            button->setIcon(toolbarPicture(entry.text));
            button->setIconSize(QSize(16, 16));
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
            // A picture says nothing to a screen reader; the hint does.
            button->setAccessibleName(ui(entry.hint));
        } else {
            button->setText(ui(entry.text));
            button->setFont(faceFont(entry, button->font()));
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        }
        const std::string_view command = entry.command;
        QObject::connect(button, &QToolButton::clicked, button, [run, command] { run(command); });
        layout->addWidget(button);
    }
    layout->addStretch(1);
}

} // namespace quolan
