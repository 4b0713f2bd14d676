#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>

namespace quolan {

class AnimatedChain;
class LinkOpener;
class TCredits;

// The about window `About`: title, version, two links and "Credits", sliding
// and growing into place in nine stages each time it opens. The main window
// is disabled while it is open.
class TAbout final : public QWidget {
    Q_OBJECT

public:
    // The forum's site, asked each time the window opens or a link is clicked.
    using SiteHost = std::function<std::string()>;

    // The links go to `links`, which outlives the window.
    TAbout(QWidget& mainWindow, const LinkOpener& links, SiteHost host);

    // The about opener: start positions, show, stage 1, main window disabled.
    // While open, it restarts the animation.
    void open();
    void setCredits(TCredits* credits) { credits_ = credits; }

    void okBtnClick();
    void Label3Click();
    void Label4Click();
    void Label6Click(); // the credits opener

    AnimatedChain& animation() const { return *animation_; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void build();
    QString linkText(std::string_view path) const;
    void openLink(std::string_view path) const;

    QPointer<QWidget> mainWindow_;
    QPointer<TCredits> credits_;
    const LinkOpener& links_;
    SiteHost host_;
    AnimatedChain* animation_ = nullptr;
};

} // namespace quolan
