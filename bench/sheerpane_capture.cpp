// What a see-through Sheerpane costs: the capture of the form behind a
// 340 x 210 control, on a true-colour screen and on a 256-colour palette
// screen (every pixel mapped to the nearest palette colour), and reading and
// rewriting the registry when the control registers.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>

#include "platform/draw/DeviceCaps.h"
#include "sheerpane/Sheerpane.h"
#include "sheerpane/registry/Registry.h"
#include "sheerpane/server/Registration.h"

namespace {

class PictureForm : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QLinearGradient gradient(0, 0, width(), height());
        gradient.setColorAt(0, QColor(20, 110, 50));
        gradient.setColorAt(1, QColor(200, 180, 60));
        painter.fillRect(rect(), gradient);
    }
};

void capture(benchmark::State& state, bool paletteScreen)
{
    PictureForm form;
    form.resize(480, 400);
    auto* pane = new Sheerpane(&form);
    pane->setGeometry(70, 90, 340, 210);
    pane->InitProperties();
    if (paletteScreen)
        pane->windowGdi().setScreenCaps(platform::draw::DeviceCaps::paletteDevice256(1024, 768));
    form.show();
    for (auto _ : state)
        benchmark::DoNotOptimize(pane->CaptureSelf());
}

void CaptureTrueColour(benchmark::State& state) { capture(state, false); }
BENCHMARK(CaptureTrueColour)->Unit(benchmark::kMillisecond);

void CapturePaletteScreen(benchmark::State& state) { capture(state, true); }
BENCHMARK(CapturePaletteScreen)->Unit(benchmark::kMillisecond);

void RegisterIntoRegistry(benchmark::State& state)
{
    // A registry holding forty other controls besides this one.
    sheerpane::Registry others;
    for (int i = 0; i < 40; ++i)
        others.put({"Classes/Other" + std::to_string(i), {{"Library", {std::string("/opt/lib") + std::to_string(i)}}}});
    const std::string text = sheerpane::writeRegistryText(others);
    for (auto _ : state) {
        sheerpane::Registry registry = sheerpane::readRegistryText(text);
        sheerpane::registerControl(registry, sheerpane::sheerpaneType(), "/usr/lib/libSheerpaneLib.so");
        benchmark::DoNotOptimize(sheerpane::writeRegistryText(registry));
    }
}
BENCHMARK(RegisterIntoRegistry)->Unit(benchmark::kMicrosecond);

} // namespace
