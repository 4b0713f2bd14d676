#include "AltKeys.h"

#include <QKeyEvent>
#include <QWidget>

namespace quolan {

namespace {
class SwallowAltText final : public QObject {
public:
    explicit SwallowAltText(QObject& parent) : QObject(&parent) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto& key = *static_cast<QKeyEvent*>(event);
            const Qt::KeyboardModifiers mods = key.modifiers();
            // Ctrl+Alt is how some systems report AltGr.
            if ((mods & Qt::AltModifier) && !(mods & Qt::ControlModifier) && !key.text().isEmpty())
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

void typeNothingWithAlt(QWidget& editor) {
    editor.installEventFilter(new SwallowAltText(editor));
}

} // namespace quolan
