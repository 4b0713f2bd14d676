#include "TColorFrm.h"

#include "core/tags/SampleColours.h"
#include "gui/ui/PickList.h"
#include "gui/ui/QtText.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace quolan {

namespace {
constexpr int kListWidth = 313;
constexpr int kSampleHeight = 41;

QColor toQColor(const SampleColour& colour) {
    return {colour.red, colour.green, colour.blue};
}
} // namespace

TColorFrm::TColorFrm(const TagWindowPorts& ports)
    : TagDialog(ports, kTag, {"ColorFrm", "Цвет", {324, 140}, {}}) {
    QVBoxLayout& column = startColumn("Label1", "Выбирите цвет текста. Выделенный в редакторе "
                                                "текст будет ограничен тегами [color=][/color]");

    comboBox_ = new PickList(this);
    comboBox_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox_->setEditable(false);
    comboBox_->setFixedWidth(kListWidth);
    for (const SampleColour& colour : sampleColours())
        comboBox_->addItem(ui(colour.name));
    column.addWidget(comboBox_);

    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setReadOnly(true);
    memo1_->setFixedSize(kListWidth, kSampleHeight);
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The commands make the sample one line, wider than the box.
    memo1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont sampleFont(QStringLiteral("Courier New"));
    sampleFont.setPixelSize(13);
    memo1_->setFont(sampleFont);
    memo1_->setPlainText(ui("Пример отображения текста на форуме \nBrennow"));
    setSampleColour(toQColor(kInitialSampleColour));
    column.addWidget(memo1_);
    endWithButton(column,
                  addOkButton("SpeedButton1", "Изменить цвет", [this] { SpeedButton1Click(); }));

    connect(comboBox_, &QComboBox::textActivated, this, &TColorFrm::ComboBox1Change);
}

QWidget& TColorFrm::parameterField() const {
    return *comboBox_;
}

QColor TColorFrm::sampleColour() const {
    return memo1_->palette().color(QPalette::Text);
}

void TColorFrm::setSampleColour(const QColor& colour) {
    QPalette palette = memo1_->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, colour);
    memo1_->setPalette(palette);
}

void TColorFrm::ComboBox1Change(const QString& name) {
    if (const SampleColour* row = findSampleColour(name.toStdString()))
        setSampleColour(toQColor(*row));
}

void TColorFrm::afterShowing() {
    // The sample keeps the colour of the last pick; only the choice resets.
    comboBox_->setCurrentIndex(comboBox_->findText(ui(kDefaultColourName), Qt::MatchExactly));
    comboBox_->dropWhenActive();
}

void TColorFrm::SpeedButton1Click() {
    finish(comboBox_->currentText());
}

} // namespace quolan
