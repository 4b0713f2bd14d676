#include "PreviewPlacement.h"

#include "core/preview/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

namespace quolan {

namespace {
constexpr int kGap = 8;

preview::Box box(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}
} // namespace

void placeBesideOwner(QWidget& window, const QWidget& owner) {
    const QScreen* screen = owner.screen();
    if (!screen)
        return;
    // The window's own frame is not known before it is first shown; the
    // owner's is the best guess at it.
    const QRect ownerFrame = owner.frameGeometry();
    const QSize frame = ownerFrame.size() - owner.geometry().size();
    const preview::Box placed = preview::placeBeside(
        box(ownerFrame), window.width() + frame.width(), window.height() + frame.height(),
        box(screen->availableGeometry()), kGap);
    window.resize(placed.width - frame.width(), placed.height - frame.height());
    window.move(placed.x, placed.y); // a window's position is its frame's
}

} // namespace quolan
