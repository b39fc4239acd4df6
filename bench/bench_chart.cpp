// The strategy chart: computing one situation (the engine's advice for all
// 169 hands), and switching situations as the chart window does: compute,
// then paint the whole chart.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "PreflopActionArg.h"
#include "engine/Chart.h"
#include "window/chart/ChartPainter.h"

namespace {

void BM_Chart(benchmark::State& st)
{
    const engine::ChartSituation sit{.action = benchsupport::preflopActionArg(st),
                                     .position = engine::Position::Late,
                                     .bigBlind = 2,
                                     .limpers = 3};
    for (auto _ : st)
        benchmark::DoNotOptimize(engine::computeChart(sit, platform::Money::unitedStates()));
}

void BM_SwitchSituationAndPaint(benchmark::State& st)
{
    const window::ChartGeometry g;
    QImage image(g.totalSize(), QImage::Format_RGB32);
    engine::ChartSituation sit;
    sit.bigBlind = 2;
    int i = 0;
    for (auto _ : st) {
        sit.action = static_cast<engine::PreflopAction>(i % 5);
        sit.position = static_cast<engine::Position>(i++ % 4);
        const engine::Chart chart = engine::computeChart(sit, platform::Money::unitedStates());
        QPainter p(&image);
        window::paintChart(p, chart, QStringLiteral("Opened, Early position"), g);
    }
}

} // namespace

BENCHMARK(BM_Chart)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SwitchSituationAndPaint)->Unit(benchmark::kMillisecond);
