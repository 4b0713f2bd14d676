#include "SingleLine.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace quolan {

namespace {
qsizetype firstBreak(const QString& text) {
    const auto found = std::find_if(text.begin(), text.end(), [](QChar c) {
        return c == u'\r' || c == u'\n' || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator;
    });
    return found == text.end() ? -1 : found - text.begin();
}

class FirstLineOnly final : public QValidator {
public:
    explicit FirstLineOnly(QObject* parent) : QValidator(parent) {}

    State validate(QString& input, int& pos) const override {
        const qsizetype at = firstBreak(input);
        if (at < 0)
            return Acceptable;
        // The field held no break before, so the lines came in just now and
        // end at the cursor: keep their first line and what followed them.
        const qsizetype end = std::max<qsizetype>(at, pos);
        input.remove(at, end - at);
        if (const qsizetype more = firstBreak(input); more >= 0)
            input.truncate(more);
        pos = static_cast<int>(std::min(at, input.size()));
        return Acceptable;
    }
};
} // namespace

QString firstLine(const QString& text) {
    const qsizetype at = firstBreak(text);
    return at < 0 ? text : text.left(at);
}

void keepSingleLine(QLineEdit& field) {
    field.setValidator(new FirstLineOnly(&field));
}

} // namespace quolan
