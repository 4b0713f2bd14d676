#include "QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quolan {

bool useQtTranslation(Language language) {
    static QTranslator* russian = nullptr;
    static bool installed = false;
    if (language == Language::English) {
        if (installed)
            QCoreApplication::removeTranslator(russian);
        installed = false;
        return true;
    }
    if (installed)
        return true;
    if (!russian) {
        russian = new QTranslator(QCoreApplication::instance());
        if (!russian->load(QStringLiteral("qtbase_ru"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete russian;
            russian = nullptr;
            return false;
        }
    }
    installed = QCoreApplication::installTranslator(russian);
    return installed;
}

} // namespace quolan
