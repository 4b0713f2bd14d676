// The program as it starts for the user, with a post file given, which then
// types into the post and runs on until it is killed: the recovery test kills
// it to see what the next start finds.
//   RecoveryChild <post file> <text to type>

#include "../support/SilentProgress.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/Windows.h"
#include "gui/editor/MemoEdit.h"
#include "gui/main/TMainForm.h"
#include "gui/shell/MainFormFiles.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    quolan::testing::SilentProgress splash;
    quolan::ProgramWindows windows;
    windows.create(splash);
    quolan::MainForm->show();
    quolan::MainForm->files().openGivenFiles({QString::fromLocal8Bit(argv[1])});
    auto& memo = quolan::MainForm->memo();
    memo.moveCursor(QTextCursor::End);
    QTest::keyClicks(&memo, QString::fromLocal8Bit(argv[2]));
    std::puts("typed");
    std::fflush(stdout);
    return QApplication::exec();
}
