#include "LanguageApplier.h"

#include "gui/ui/MenuBuilder.h"
#include "gui/ui/QtText.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <vector>

namespace quolan {

namespace {
// The tab widget whose page `page` is, if any.
QTabWidget* tabsOf(QObject& page) {
    auto* stack = qobject_cast<QStackedWidget*>(page.parent());
    return stack ? qobject_cast<QTabWidget*>(stack->parent()) : nullptr;
}

// Every object named `name` below `parent`, not looking into other windows
// (a dialog the window owns) but into its menus.
void collect(const QObject& parent, const QString& name, QList<QObject*>& found) {
    for (QObject* child : parent.children()) {
        const auto* widget = qobject_cast<QWidget*>(child);
        if (widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget))
            continue;
        if (child->objectName() == name)
            found.push_back(child);
        collect(*child, name, found);
    }
}

// A menu and the action that opens it carry the same name: one element.
void dropMenuOpeners(QList<QObject*>& found) {
    QList<QObject*> openers;
    for (QObject* object : found)
        if (auto* menu = qobject_cast<QMenu*>(object))
            openers.push_back(menu->menuAction());
    found.removeIf([&](QObject* object) { return openers.contains(object); });
}
struct DetachedMenu {
    QPointer<QWidget> window;
    QPointer<QMenu> menu;
};

std::vector<DetachedMenu>& detachedMenus() {
    static std::vector<DetachedMenu> menus;
    return menus;
}

std::vector<QMenu*> detachedMenusOf(const QWidget& window) {
    auto& menus = detachedMenus();
    std::erase_if(menus, [](const DetachedMenu& m) { return !m.window || !m.menu; });
    std::vector<QMenu*> found;
    for (const DetachedMenu& m : menus)
        if (m.window == &window && !window.isAncestorOf(m.menu))
            found.push_back(m.menu);
    return found;
}

// A button that shows a picture only: its hint is its text.
QToolButton* pictureButton(QObject& object) {
    auto* button = qobject_cast<QToolButton*>(&object);
    return button && button->toolButtonStyle() == Qt::ToolButtonIconOnly && button->text().isEmpty()
               ? button
               : nullptr;
}

void setLabelText(QLabel& label, const QString& text) {
    label.setText(text);
    // A one-line label placed by hand was sized for its built text; like
    // the labels of the original it fits itself to the new one.
    const QWidget* parent = label.parentWidget();
    if (!label.wordWrap() && !label.isWindow() && !(parent && parent->layout()))
        label.resize(label.sizeHint());
}
} // namespace

void countMenuAsPartOf(QWidget& window, QMenu& menu) {
    detachedMenus().push_back({&window, &menu});
}

QWidget* programWindow(std::string_view window) {
    const QString name = ui(window);
    QWidget* match = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->parentWidget() || widget->objectName() != name)
            continue;
        if (match)
            return nullptr;
        match = widget;
    }
    return match;
}

LanguageApplier::LanguageApplier(WindowLookup windows) : windows_(std::move(windows)) {}

void LanguageApplier::fault(const LanguageRow& row, const QString& what) {
    faults_.push_back(QString::fromStdString(elementName(row)) + QStringLiteral(": ") + what);
}

QObject* LanguageApplier::find(std::string_view window, std::string_view control,
                               const LanguageRow& row) {
    QWidget* top = windows_(window);
    if (!top) {
        fault(row, QStringLiteral("no window ") + ui(window));
        return nullptr;
    }
    if (control.empty())
        return top;
    QList<QObject*> found;
    collect(*top, ui(control), found);
    for (QMenu* menu : detachedMenusOf(*top))
        collect(*menu, ui(control), found);
    dropMenuOpeners(found);
    if (found.size() != 1) {
        fault(row, QStringLiteral("%1 controls named %2").arg(found.size()).arg(ui(control)));
        return nullptr;
    }
    return found.front();
}

QObject* LanguageApplier::element(const LanguageRow& row) {
    return find(row.window, row.control, row);
}

QString LanguageApplier::currentText(QObject& element) {
    if (auto* menu = qobject_cast<QMenu*>(&element))
        return menu->title();
    if (auto* action = qobject_cast<QAction*>(&element))
        return action->text();
    if (QToolButton* picture = pictureButton(element))
        return picture->toolTip();
    if (auto* button = qobject_cast<QAbstractButton*>(&element))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(&element))
        return label->text();
    if (auto* box = qobject_cast<QGroupBox*>(&element))
        return box->title();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(&element))
        return memo->toPlainText();
    auto* widget = qobject_cast<QWidget*>(&element);
    if (widget && widget->isWindow())
        return widget->windowTitle();
    if (QTabWidget* tabs = tabsOf(element))
        return tabs->tabText(tabs->indexOf(widget));
    return {};
}

void LanguageApplier::setText(const LanguageRow& row, std::string_view utf8) {
    QObject* object = element(row);
    if (!object)
        return;
    const QString text = ui(utf8);
    if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setText(text);
    else if (QToolButton* picture = pictureButton(*object)) {
        picture->setToolTip(text);
        picture->setAccessibleName(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(object))
        setLabelText(*label, text);
    else if (auto* box = qobject_cast<QGroupBox*>(object))
        box->setTitle(text);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(object))
        memo->setPlainText(text);
    else if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->isWindow())
        widget->setWindowTitle(text);
    else if (QTabWidget* tabs = tabsOf(*object))
        tabs->setTabText(tabs->indexOf(static_cast<QWidget*>(object)), text);
    else
        fault(row, QStringLiteral("no text to set on ") +
                       QString::fromLatin1(object->metaObject()->className()));
}

void LanguageApplier::copyCaption(const LanguageRow& row) {
    QObject* to = element(row);
    QObject* from = find(row.window, row.copyOf, row);
    if (!to || !from)
        return;
    auto* target = qobject_cast<QAction*>(to);
    auto* source = qobject_cast<QAction*>(from);
    if (!target || !source) {
        fault(row, QStringLiteral("a caption copy between menu items only"));
        return;
    }
    target->setText(source->text());
}

} // namespace quolan
