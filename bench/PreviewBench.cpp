// The preview's renderer and tag checker on forum-like posts of 50 KB, 1 MB
// and 10 MB (time per MB shows they grow linearly), and the window's own
// share: Qt laying out the rendered post. Typing with the preview open is a
// row of the editor benchmark.
#include "core/preview/PostPreview.h"
#include "gui/preview/TPreviewFrm.h"
#include "support/BenchSupport.h"

#include <QApplication>

#include <cstdio>

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

// What the window adds on the UI thread: Qt taking in the rendered HTML.
void measureWindow() {
    std::printf("\n== the preview window's update (render + Qt layout) ==\n");
    for (const std::size_t bytes :
         {std::size_t{50'000}, TPreviewFrm::kLiveLimit, std::size_t{1'000'000}}) {
        EditorModel model;
        model.loadText(bench::forumPost(bytes));
        TPreviewFrm window(model, {});
        window.show();
        QApplication::processEvents();
        // Above the live limit only F5 updates; one run shows how long it takes.
        const double ms = medianMs(bytes > TPreviewFrm::kLiveLimit ? 1 : 5, [&] {
            window.refresh();
            QApplication::processEvents();
        });
        printTime("update the shown preview", bytes, ms, bytes == 50'000 ? 100 : 0);
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
