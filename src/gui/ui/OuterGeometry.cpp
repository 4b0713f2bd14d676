#include "OuterGeometry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quolan {

namespace {
// Takes the frame off the client size once the frame is known.
class FrameFit final : public QObject {
public:
    FrameFit(QWidget& window, WindowRect bounds) : QObject(&window), bounds_(bounds) {
        setObjectName(QStringLiteral("FrameFit"));
    }

    // True when the frame is known and the window fitted to it.
    bool tryFit() {
        auto& window = *static_cast<QWidget*>(parent());
        const QSize frame = window.frameGeometry().size() - window.size();
        if (done_ || !window.isVisible() || frame.isNull())
            return done_;
        done_ = true;
        window.resize(bounds_.width - frame.width(), bounds_.height - frame.height());
        window.move(bounds_.left, bounds_.top);
        return true;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::UpdateRequest:
            if (tryFit()) {
                watched->removeEventFilter(this);
                deleteLater();
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    WindowRect bounds_;
    bool done_ = false;
};
} // namespace

WindowRect outerGeometry(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    return {frame.left(), frame.top(), frame.width(), frame.height()};
}

void setOuterGeometry(QWidget& window, WindowRect bounds) {
    // By name: FrameFit has no meta-object of its own to be found by.
    delete window.findChild<QObject*>(QStringLiteral("FrameFit"), Qt::FindDirectChildrenOnly);
    window.move(bounds.left, bounds.top);
    window.resize(bounds.width, bounds.height);
    auto* fit = new FrameFit(window, bounds);
    if (fit->tryFit())
        delete fit;
    else
        window.installEventFilter(fit);
}

std::vector<WindowRect> freeScreenAreas() {
    std::vector<WindowRect> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        const WindowRect rect{area.left(), area.top(), area.width(), area.height()};
        if (screen == primary)
            areas.insert(areas.begin(), rect);
        else
            areas.push_back(rect);
    }
    return areas;
}

void keepOnScreen(QWidget& window) {
    const WindowRect now = outerGeometry(window);
    const bool resizable = window.minimumSize() != window.maximumSize();
    const std::vector<WindowRect> areas = freeScreenAreas();
    const WindowRect fitted = fitOnScreens(now, areas, resizable);
    if (fitted == now)
        return;
    const QSize frame = window.frameGeometry().size() - window.size();
    if (fitted.width != now.width || fitted.height != now.height)
        window.resize(fitted.width - frame.width(), fitted.height - frame.height());
    window.move(fitted.left, fitted.top);
}

std::vector<WindowRect> screenBounds() {
    std::vector<WindowRect> bounds;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        bounds.push_back({area.left(), area.top(), area.width(), area.height()});
    }
    return bounds;
}

} // namespace quolan
