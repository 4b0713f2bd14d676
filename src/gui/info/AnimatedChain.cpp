#include "AnimatedChain.h"

#include "gui/ui/QtText.h"

#include <QTimer>
#include <QWidget>

namespace quolan {

AnimatedChain::AnimatedChain(QWidget& window, std::span<const info::Stage> stages)
    : QObject(&window), window_(window), chain_(stages, *this, [this](std::size_t stage, bool on) {
          if (on)
              timers_[stage]->start();
          else
              timers_[stage]->stop();
      }) {
    for (std::size_t i = 0; i < stages.size(); ++i) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("Timer%1").arg(i + 1));
        timer->setInterval(info::kTickMs);
        connect(timer, &QTimer::timeout, this, [this, i] { chain_.tick(i); });
        timers_.push_back(timer);
    }
}

void AnimatedChain::pause() {
    for (QTimer* timer : timers_)
        timer->stop();
}

void AnimatedChain::resume() {
    for (std::size_t i = 0; i < timers_.size(); ++i)
        if (chain_.running(i) && !timers_[i]->isActive())
            timers_[i]->start();
}

QWidget* AnimatedChain::control(std::string_view name) const {
    auto* found = window_.findChild<QWidget*>(ui(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(found, "AnimatedChain", "a stage names a control the window lacks");
    return found;
}

int AnimatedChain::get(std::string_view name, info::Property property) const {
    const QWidget* widget = control(name);
    if (!widget)
        return 0;
    switch (property) {
    case info::Property::Left:
        return widget->x();
    case info::Property::Top:
        return widget->y();
    case info::Property::Width:
        return widget->width();
    case info::Property::Height:
        return widget->height();
    case info::Property::Visible:
        return widget->isHidden() ? 0 : 1;
    }
    return 0;
}

void AnimatedChain::set(std::string_view name, info::Property property, int value) {
    QWidget* widget = control(name);
    if (!widget)
        return;
    switch (property) {
    case info::Property::Left:
        widget->move(value, widget->y());
        break;
    case info::Property::Top:
        widget->move(widget->x(), value);
        break;
    case info::Property::Width:
        widget->resize(value, widget->height());
        break;
    case info::Property::Height:
        widget->resize(widget->width(), value);
        break;
    case info::Property::Visible:
        widget->setVisible(value != 0);
        break;
    }
}

} // namespace quolan
