#pragma once

#include <QString>

#include <optional>

namespace quolan {

// `OpenDialog1` "Открыть запись" and `SaveDialog1` "Сохранить запись": text
// documents, each opened pre-filled with the name given (the one chosen in
// it last) and in the folder it was left in.
class PostFileDialogs {
public:
    std::optional<QString> chooseOpenName(const QString& current);
    std::optional<QString> chooseSaveName(const QString& current);

private:
    QString openFolder_;
    QString saveFolder_;
};

} // namespace quolan
