// The program at rest after its information windows have played: opens and
// closes the about, credits and history windows as the user would, then
// counts the process's wakeups (context switches of all its threads) and
// its processor time over 10 s of idling.
//   IdleBench [seconds]
#include "core/ui/CommandIds.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/Windows.h"
#include "gui/info/AnimatedChain.h"
#include "gui/info/TAbout.h"
#include "gui/info/TCredits.h"
#include "gui/info/THistoryFrm.h"
#include "gui/main/TMainForm.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <sys/resource.h>

using namespace quolan;

namespace {

struct NoSplash final : StartupProgress {
    void setProgress(int) override {}
    void appendLog(std::string_view) override {}
    void refresh() override {}
};

// Voluntary and involuntary context switches of every thread of the process.
long long contextSwitches() {
    long long total = 0;
    for (const QString& task :
         QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(QStringLiteral("/proc/self/task/%1/status").arg(task));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.contains("ctxt_switches:"))
                total += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
    }
    return total;
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the event loop until `done` or 30 s.
void waitFor(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 30000)
        QTest::qWait(20);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing of the user's own recovery copies is offered or touched here.
    QTemporaryDir stateFolder;
    qputenv("XDG_STATE_HOME", stateFolder.path().toUtf8());
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    NoSplash splash;
    auto* windows = new ProgramWindows;
    windows->create(splash);
    MainForm->show();
    QTest::qWait(1500); // past the main window's first tick

    MainForm->runCommand(cmd::About);
    waitFor([] { return !About->animation().chain().anyRunning(); });
    About->Label6Click();
    waitFor([] { return !Credits->animation().chain().anyRunning(); });
    Credits->CreditsOkClick();
    About->okBtnClick();
    MainForm->runCommand(cmd::History);
    QTest::qWait(1000);
    HistoryFrm->Button1Click();
    QTest::qWait(200);

    int running = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        for (QTimer* timer : window->findChildren<QTimer*>())
            if (timer->isActive()) {
                ++running;
                std::printf("  running: %s.%s every %d ms\n", qPrintable(window->objectName()),
                            qPrintable(timer->objectName()), timer->interval());
            }
    std::printf("  %d timers running at rest\n", running);

    const long long switchesBefore = contextSwitches();
    const double cpuBefore = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    // A plain event loop: QTest::qWait would wake every 10 ms itself.
    QEventLoop idle;
    QTimer::singleShot(seconds * 1000, &idle, &QEventLoop::quit);
    idle.exec();
    const double elapsed = static_cast<double>(clock.elapsed()) / 1000.0;
    const double wakeups = static_cast<double>(contextSwitches() - switchesBefore) / elapsed;
    const double cpu = 100.0 * (cpuSeconds() - cpuBefore) / elapsed;
    std::printf("idle after about, credits and history, over %.1f s:\n", elapsed);
    std::printf("  %-30s %8.1f /s  (target <= 25)%s\n", "wakeups", wakeups,
                wakeups <= 25 ? "" : "  MISSED");
    std::printf("  %-30s %8.2f %%   (target <= 1%%)%s\n", "processor time of one core", cpu,
                cpu <= 1.0 ? "" : "  MISSED");
    std::fflush(stdout);
    std::_Exit(0);
}
