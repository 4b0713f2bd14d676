#pragma once

#include <QFile>
#include <QTemporaryDir>

#include <string>

namespace quolan::testing {

// A folder of the test's own, removed afterwards, with whole-file helpers.
struct TempFolder {
    std::string path(const char* name) const {
        return dir.filePath(QString::fromUtf8(name)).toStdString();
    }
    void put(const char* name, const std::string& bytes) const {
        QFile file(QString::fromStdString(path(name)));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    std::string content(const char* name) const {
        QFile file(QString::fromStdString(path(name)));
        if (!file.open(QIODevice::ReadOnly))
            return "<missing>";
        return file.readAll().toStdString();
    }
    bool exists(const char* name) const {
        return QFile::exists(QString::fromStdString(path(name)));
    }

    QTemporaryDir dir;
};

} // namespace quolan::testing
