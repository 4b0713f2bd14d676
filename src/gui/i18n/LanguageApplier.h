#pragma once

#include "core/i18n/LanguageCommands.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string_view>

class QMenu;
class QObject;
class QWidget;

namespace quolan {

// Finds the window of a row by its instance name; null when it does not exist.
using WindowLookup = std::function<QWidget*(std::string_view window)>;

// A menu that belongs to `window` without being its child (the tray icon's,
// which a dialog disabling the window must leave enabled): its items are
// found among the window's controls.
void countMenuAsPartOf(QWidget& window, QMenu& menu);

// The program's top-level window of that name, if exactly one exists.
QWidget* programWindow(std::string_view window);

// Sets the texts of the language table on the real windows, each by the kind
// of its element: window caption, menu or menu item, button, label, group
// box, tab (through its page) or the sample box's whole text. A row whose
// element is missing, found more than once or of a kind without text is a
// fault: its text is not set and the fault is recorded.
class LanguageApplier final : public LanguageTextSink {
public:
    explicit LanguageApplier(WindowLookup windows = programWindow);

    void setText(const LanguageRow& row, std::string_view text) override;
    void copyCaption(const LanguageRow& row) override;

    const QStringList& faults() const { return faults_; }

    // The one object of the row's element, or null after recording a fault.
    QObject* element(const LanguageRow& row);
    // The text an element shows now, as the table writes it.
    static QString currentText(QObject& element);

private:
    QObject* find(std::string_view window, std::string_view control, const LanguageRow& row);
    void fault(const LanguageRow& row, const QString& what);

    WindowLookup windows_;
    QStringList faults_;
};

} // namespace quolan
