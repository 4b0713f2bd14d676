#pragma once

#include "gui/pictures/PaintedIcon.h"

#include <QDialog>
#include <QRect>
#include <QSize>

#include <span>
#include <string_view>

class QPushButton;

namespace quolan {

// How one confirmation window looks: a flat picture button without action at
// the left, a text and the answer buttons, at fixed places of a fixed client
// area.
struct ConfirmationLayout {
    struct Control {
        const char* name;
        std::string_view caption;
        QRect geometry;
    };
    const char* name;
    std::string_view caption;
    QSize clientSize;
    QRect picture;
    PictureDrawing drawing;
    Control label;
    std::span<const Control> buttons;
};

// A dialog-bordered window with a close box only, centred on the desktop
// whenever it is shown.
class ConfirmationWindow : public QDialog {
    Q_OBJECT

public:
    explicit ConfirmationWindow(const ConfirmationLayout& layout);

protected:
    QPushButton& button(const char* name) const;
    void showEvent(QShowEvent* event) override;
};

} // namespace quolan
