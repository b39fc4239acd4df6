// A key press in the hole-card box to the repainted advice, on X: the key
// goes through the window's event filter to the model, the advice is
// recomputed, the widgets are shown again and the window repaints. Every
// timed key adds a card that changes the advice (AK and AQ in turn); the
// Backspace between them is not timed. Reports the 50th and 99th percentile.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <vector>

#include "XServer.h"
#include "platform/form/Input.h"
#include "tests/support/RecordingPorts.h"
#include "window/view/PokerWindow.h"

namespace {

// Notes each paint of the advice box.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void KeyPressToRepaintedAdvice(benchmark::State& state)
{
    benchwindow::XServer x;
    if (!x.ready()) {
        state.SkipWithError("no X display");
        return;
    }
    int argc = 1;
    char name[] = "bench_window_keypress";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    testsupport::RecordingMessageBox boxes;
    testsupport::RecordingShellOpen shell;
    window::view::PokerWindow window({&boxes, &shell, nullptr, nullptr}, platform::Money::unitedStates());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window did not show");
        return;
    }
    auto& s = window.model();
    platform::input::keyPress(s.txtBB, '2');
    platform::input::click(s.optEarly);
    platform::input::click(s.optOpened);
    platform::input::moveFocus(s.txtHoleCard);
    platform::input::keyPress(s.txtHoleCard, 'A');
    QWidget* box = window.controlWidget("txtHoleCard");
    box->setFocus();
    auto* advice = static_cast<QPlainTextEdit*>(window.controlWidget("txtPreFlop"));
    PaintCounter counter;
    advice->viewport()->installEventFilter(&counter);
    QApplication::processEvents();

    std::vector<double> ms;
    const Qt::Key cards[] = {Qt::Key_K, Qt::Key_Q};
    int i = 0;
    for (auto _ : state) {
        const int before = counter.paints;
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(box, cards[i ^= 1]);
        while (counter.paints == before)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        const auto end = std::chrono::steady_clock::now();
        const double elapsed = std::chrono::duration<double, std::milli>(end - start).count();
        ms.push_back(elapsed);
        state.SetIterationTime(elapsed / 1000.0);
        state.PauseTiming();
        QTest::keyClick(box, Qt::Key_Backspace);
        QApplication::processEvents();
        state.ResumeTiming();
    }
    std::sort(ms.begin(), ms.end());
    auto percentile = [&](double p) { return ms[std::min(ms.size() - 1, static_cast<std::size_t>(p * static_cast<double>(ms.size())))]; };
    state.counters["p50_ms"] = percentile(0.50);
    state.counters["p99_ms"] = percentile(0.99);
    state.counters["max_ms"] = ms.back();
}
BENCHMARK(KeyPressToRepaintedAdvice)->Iterations(1000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
