// The preview's renderer and tag checker on forum-like posts of 50 KB, 1 MB
// and 10 MB (time per MB shows they grow linearly), and F5 in the window up
// to a 20 MB post: how long the window's thread is held at a time, how long
// until the post is shown, and the memory it takes. Typing with the preview
// open is a row of the editor benchmark.
#include "core/preview/PostPreview.h"
#include "gui/preview/TPreviewFrm.h"
#include "gui/ui/DesktopLinks.h"
#include "support/BenchSupport.h"
#include "support/PeakMemory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace quolan;
using quolan::bench::medianMs;

namespace {

void printTime(const char* what, std::size_t bytes, double ms, double targetMs) {
    const double perMb = ms / (static_cast<double>(bytes) / 1e6);
    std::printf("%-44s %8zu KB %10.3f ms %9.2f ms/MB", what, bytes / 1000, ms, perMb);
    if (targetMs > 0)
        std::printf("  (target <= %.0f ms)%s", targetMs, ms <= targetMs ? "" : "  MISSED");
    std::printf("\n");
}

void measureCore() {
    std::printf("\n== renderer and checker ==\n");
    for (const std::size_t bytes : {50'000u, 1'000'000u, 10'000'000u}) {
        const std::string post = bench::forumPost(bytes);
        const int runs = bytes > 1'000'000 ? 3 : 9;
        const double render = medianMs(runs, [&] { preview::previewPost(post); });
        printTime("render (HTML, findings, counts)", bytes, render, bytes == 50'000 ? 50 : 0);
        const double check = medianMs(runs, [&] { preview::checkTags(post); });
        printTime("check tags only", bytes, check, 0);
    }
}

struct Update {
    double heldMs = 0;  // the longest the window's thread was held at a time
    double totalMs = 0; // until the window showed the result, laid out
};

// F5 with the window shown: the command itself, then each round of events
// until the result is shown and laid out, each timed on its own.
Update updateOnF5(TPreviewFrm& window) {
    bool shown = false;
    const QMetaObject::Connection done =
        QObject::connect(&window, &TPreviewFrm::rendered, [&] { shown = true; });
    Update update;
    const auto timed = [&](const std::function<void()>& work) {
        QElapsedTimer clock;
        clock.start();
        work();
        update.heldMs = std::max(update.heldMs, static_cast<double>(clock.nsecsElapsed()) / 1e6);
    };
    QElapsedTimer total;
    total.start();
    timed([&] { window.refresh(); });
    while (!shown) {
        timed([] { QApplication::processEvents(); });
        QThread::msleep(1); // waiting is not holding
    }
    timed([] { QApplication::processEvents(); }); // laying out what is on screen
    update.totalMs = static_cast<double>(total.nsecsElapsed()) / 1e6;
    QObject::disconnect(done);
    return update;
}

void measureWindow() {
    std::printf("\n== F5 in the shown window: longest hold of its thread, whole update ==\n");
    // The longest first, while the memory it takes is still the process's own.
    for (const std::size_t bytes : {std::size_t{20'000'000}, std::size_t{1'000'000},
                                    TPreviewFrm::kLiveLimit, std::size_t{50'000}}) {
        EditorModel model;
        model.loadText(bench::forumPost(bytes));
        TPreviewFrm window(model, {}, desktopLinks());
        window.show();
        QApplication::processEvents();
        const double before = bench::residentMb();
        const bool peakKnown = bytes > 1'000'000 && bench::resetPeakResident();
        Update worst;
        for (int run = 0; run < 3; ++run) {
            const Update update = updateOnF5(window);
            worst.heldMs = std::max(worst.heldMs, update.heldMs);
            worst.totalMs = std::max(worst.totalMs, update.totalMs);
        }
        std::printf("%-34s %8zu KB %10.3f ms  (target <= 100 ms)%s\n", "longest hold (worst of 3)",
                    bytes / 1000, worst.heldMs, worst.heldMs <= 100 ? "" : "  MISSED");
        std::printf("%-34s %8zu KB %10.3f ms\n", "until shown (worst of 3)", bytes / 1000,
                    worst.totalMs);
        if (peakKnown) {
            const double peak = bench::peakResidentMb() - before;
            std::printf("%-34s %8zu KB %10.1f MB  (%.1f times the post)\n",
                        "peak memory above the editor's", bytes / 1000, peak,
                        peak / (static_cast<double>(bytes) / 1e6));
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    measureCore();
    measureWindow();
    return 0;
}
