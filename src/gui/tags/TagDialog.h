#pragma once

#include "core/editor/EditorModel.h"
#include "core/editor/Messages.h"
#include "core/tags/ParameterTags.h"

#include <QPoint>
#include <QSize>
#include <QWidget>

#include <functional>
#include <optional>
#include <string_view>

class QLabel;
class QToolButton;
class QVBoxLayout;

namespace quolan {

// What a tag window needs of the program: the main window it disables while
// it is shown, the post it writes into and where a failure is reported.
struct TagWindowPorts {
    QWidget& mainWindow;
    EditorModel& editor;
    ReportError report;
};

// A window in which the user completes one tag's parameter. It lives from
// start-up to exit and is only shown and hidden, so its fields keep their
// contents between uses. While it is shown the main window is disabled; every
// way of closing it enables the main window again.
class TagDialog : public QWidget {
    Q_OBJECT

public:
    struct Frame {
        const char* objectName;
        std::string_view caption;
        QSize clientSize;
        std::optional<QPoint> place; // none: centred on the screen
    };

    TagDialog(TagWindowPorts ports, ParameterTag tag, const Frame& frame);

    ParameterTag tag() const { return tag_; }

    // The opening command: prepares the fields, shows the window and disables
    // the main window. Returns at once.
    void open();

    // The control the user types or picks the parameter in.
    virtual QWidget& parameterField() const = 0;

protected:
    // The window's own steps around showing it.
    virtual void beforeShowing() {}
    virtual void afterShowing() {}

    // Writes the tag for `parameter` over the editor's selection (or nothing,
    // as the tag table says) and closes the window. True unless the text
    // would not fit in the editor; that is reported once the window is closed,
    // so the message is not shown over a disabled main window.
    bool finish(const QString& parameter);

    QLabel& addLabel(const char* objectName, std::string_view text, bool wordWrap);
    // The window's column of controls, starting with the word-wrapped explanation.
    QVBoxLayout& startColumn(const char* labelName, std::string_view explanation);
    // Ends the column with the OK button at the right.
    static void endWithButton(QVBoxLayout& column, QToolButton& button);
    // The OK button, run by a click and by Enter in the parameter field
    // (which must exist by then); other keys pass to the field.
    QToolButton& addOkButton(const char* objectName, std::string_view text,
                             std::function<void()> onOk);

    void showEvent(QShowEvent* event) override;

private:
    void place();

    TagWindowPorts ports_;
    ParameterTag tag_;
    std::optional<QPoint> place_;
};

} // namespace quolan
