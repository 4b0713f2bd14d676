#include "Program.h"

#include "gui/app/ProgramWindows.h"
#include "gui/app/TZast.h"
#include "gui/app/Windows.h"
#include "gui/main/TMainForm.h"
#include "gui/shell/MainFormFiles.h"

#include <QApplication>
#include <QTimer>

#include <memory>

namespace quolan {

int runProgram(const QStringList& files) {
    // Only closing the main window ends the program, not a palette left open.
    QApplication::setQuitOnLastWindowClosed(false);

    auto splash = std::make_unique<TZast>();
    splash->show();
    splash->refresh();

    ProgramWindows windows;
    windows.create(*splash);

    splash->hide();
    splash.reset();

    // The end is not asked of the other windows, as quit() would: a window
    // that turns a close into something else (the history's "Ok") or refuses
    // it (the language chooser) must not keep the program running.
    QObject::connect(
        MainForm, &TMainForm::closing, qApp, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);
    MainForm->show();
    if (!files.isEmpty()) {
        QTimer::singleShot(0, MainForm, [files] { MainForm->files().openGivenFiles(files); });
    }
    return QApplication::exec();
}

} // namespace quolan
