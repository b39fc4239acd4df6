// The frame's whole redraw (measure, border, caption, composition, back
// style) for a 400 x 150 frame with a caption, as a property change runs it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QStyle>
#include <QStyleFactory>

#include "framecontrol/UltiFrame.h"

namespace {

// The frame on a host window, as a form holds it.
std::unique_ptr<QWidget> makeHost(bool seeThrough)
{
    auto host = std::make_unique<QWidget>();
    host->resize(420, 170);
    platform::Ambient ambient;
    ambient.displayName = "Pre-Flop";
    ambient.font = platform::FontDesc{"MS Sans Serif", 9.75, true};
    auto* frame = new framecontrol::UltiFrame(host.get(), ambient);
    frame->InitProperties();
    frame->resize(400, 150);
    frame->setCornerRadius(9);
    frame->setFont3D(framecontrol::ufRaisedHeavy);
    if (seeThrough) {
        for (int i = 0; i < 5; ++i)
            (new QCheckBox(QStringLiteral("Option"), frame))->setGeometry(8, 16 + 24 * i, 120, 22);
        frame->setBackStyle(framecontrol::ufTransparent);
    }
    host->show();
    return host;
}

framecontrol::UltiFrame& frameOf(QWidget& host)
{
    return *host.findChild<framecontrol::UltiFrame*>();
}

void Redraw(benchmark::State& state, bool seeThrough)
{
    auto host = makeHost(seeThrough);
    auto& frame = frameOf(*host);
    for (auto _ : state)
        frame.Refresh();
}
BENCHMARK_CAPTURE(Redraw, Opaque, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Redraw, SeeThrough, true)->Unit(benchmark::kMicrosecond);

} // namespace
