// Start-up: the program's whole creation sequence (splash, every window of
// the start-up table, the main window on screen) against a bare Qt program
// that brings an empty QMainWindow on screen. Each run is a fresh process,
// timed from its launch until it has its window on screen and exits.
//   StartupBench               the comparison, also against a bare window
//                              with one label (the font set-up every
//                              program with text pays)
//   StartupBench --rows        where the program's own start-up time goes
#include "gui/app/ProgramWindows.h"
#include "gui/app/TZast.h"
#include "gui/app/Windows.h"
#include "gui/main/TMainForm.h"
#include "support/BenchSupport.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

using namespace quolan;

namespace {

using Clock = std::chrono::steady_clock;

// Reports each row's time as the splash would see it advance.
struct RowTimes final : StartupProgress {
    void setProgress(int position) override {
        const auto now = Clock::now();
        if (report)
            std::printf("  up to %3d%%: %7.3f ms\n", position,
                        std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
    }
    void appendLog(std::string_view) override {}
    void refresh() override {}
    bool report = false;
    Clock::time_point last = Clock::now();
};

Clock::time_point phaseStart = Clock::now();
bool reportPhases = false;

void phase(const char* what) {
    const auto now = Clock::now();
    if (reportPhases)
        std::printf("%-28s %7.3f ms\n", what,
                    std::chrono::duration<double, std::milli>(now - phaseStart).count());
    phaseStart = now;
}

[[noreturn]] void leave(QWidget& window) {
    if (!QTest::qWaitForWindowExposed(&window))
        std::_Exit(3);
    QApplication::processEvents();
    phase("main window on screen");
    std::fflush(stdout);
    std::_Exit(0); // the start-up is what is timed, not the tear-down
}

[[noreturn]] void startOurs(bool report) {
    QApplication::setQuitOnLastWindowClosed(false);
    reportPhases = report;
    phase("application object");
    auto splash = std::make_unique<TZast>();
    splash->show();
    splash->refresh();
    phase("splash on screen");
    auto* windows = new ProgramWindows;
    RowTimes rows;
    rows.report = report;
    if (report)
        windows->create(rows);
    else
        windows->create(*splash);
    phase("rows created");
    splash->hide();
    splash.reset();
    MainForm->show();
    leave(*MainForm);
}

[[noreturn]] void startBare(bool withText) {
    auto* window = new QMainWindow;
    window->resize(525, 366);
    // Any window with a line of text pays for the font set-up once.
    if (withText)
        window->setCentralWidget(new QLabel(QStringLiteral("Quolan")));
    window->show();
    leave(*window);
}

double runChild(const QString& program, const QString& mode) {
    const auto start = Clock::now();
    QProcess child;
    child.start(program, {mode});
    child.waitForFinished(60000);
    const auto end = Clock::now();
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        std::printf("  (!) %s start failed\n", qPrintable(mode));
    return std::chrono::duration<double, std::milli>(end - start).count();
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const char* mode = argc > 1 ? argv[1] : "";
    if (!std::strcmp(mode, "--ours") || !std::strcmp(mode, "--rows") ||
        !std::strcmp(mode, "--bare") || !std::strcmp(mode, "--bare-text")) {
        QApplication app(argc, argv);
        if (!std::strncmp(mode, "--bare", 6))
            startBare(!std::strcmp(mode, "--bare-text"));
        startOurs(!std::strcmp(mode, "--rows"));
    }

    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    const auto pair = bench::sideBySide(
        9, [&] { runChild(self, QStringLiteral("--ours")); },
        [&] { runChild(self, QStringLiteral("--bare")); });
    std::printf("%-58s %13s %13s %8s\n", "", "ours", "bare Qt", "ratio");
    bench::printRow("launch to the main window on screen", pair, 1.5);
    const auto withText = bench::sideBySide(
        9, [&] { runChild(self, QStringLiteral("--ours")); },
        [&] { runChild(self, QStringLiteral("--bare-text")); });
    bench::printRow("  the same, the bare window showing one label", withText, 1.5);
    return 0;
}
