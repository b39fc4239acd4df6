// Opening the contents of the help file: from the viewer command to a window
// with its contents tree, index and first page, laid out and painted once.
// Runs on the offscreen platform unless another one is chosen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "platform/htmlhelp/HelpFile.h"
#include "platform/htmlhelp/HelpViewerWindow.h"
#include "platform/htmlhelp/QtHelpViewer.h"

namespace {

void openContents(benchmark::State& state)
{
    platform::chm::QtHelpViewer viewer;
    QImage canvas(860, 620, QImage::Format_ARGB32);
    for (auto _ : state) {
        const std::intptr_t handle = viewer.htmlHelp(0, TABLEWISE_HELP_FILE, platform::HhDisplayToc, platform::NoHelpData{});
        if (handle == 0) {
            state.SkipWithError("the help file did not open");
            break;
        }
        platform::chm::HelpViewerWindow* window = viewer.windowFor(TABLEWISE_HELP_FILE);
        QPainter painter(&canvas);
        window->render(&painter);
        painter.end();
        state.PauseTiming();
        viewer.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(openContents)->Unit(benchmark::kMillisecond);

void readHelpFile(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::chm::HelpFile::open(TABLEWISE_HELP_FILE));
}
BENCHMARK(readHelpFile)->Unit(benchmark::kMillisecond);

} // namespace
