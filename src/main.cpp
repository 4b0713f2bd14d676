#include "gui/app/Program.h"
#include "gui/pictures/Pictures.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quolan"));
    QApplication::setWindowIcon(quolan::programIcon());
    return quolan::runProgram();
}
