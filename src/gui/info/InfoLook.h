#pragma once

#include <QLabel>
#include <QWidget>

#include <functional>

class QPushButton;

namespace quolan {

// The look the information windows share: lime letters on black.
inline const QColor kLime(0, 255, 0);

void paintBlackAndLime(QWidget& window);
void placeCentred(QWidget& window);
// A flat button in the windows' colours.
QPushButton* flatButton(QWidget& parent, const char* name, const QString& text, QRect at);
// A text compiled into the program; empty when missing.
QString resourceText(const QString& path);
// Every label of the window sized to its text, as labels of fixed-size
// windows are: the texts change with the interface language.
void fitLabels(QWidget& window);

// A label that runs `clicked` on a left click.
class ClickLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    std::function<void()> clicked;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A sunken frame, or one of its edges, drawn in two greys.
class Bevel final : public QWidget {
    Q_OBJECT
public:
    enum class Shape { Box, RightLine, TopLine };
    Bevel(QWidget& parent, const char* name, QRect at, Shape shape = Shape::Box);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape shape_;
};

} // namespace quolan
