// The range picker on a real X display with real X events (xdotool): a drag
// across the grid with the button held selects the rectangle, and a range
// typed on the keyboard fills the grid.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <functional>
#include <set>
#include <string>

#include "tests/support/QtTestApp.h"
#include "window/cards/RangeGridView.h"
#include "window/cards/RangePickerDialog.h"

namespace {

bool xdotool(const QStringList& arguments)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), arguments);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Lets the program take in the X events until `done` holds, at most 5 s.
bool settle(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 5000)
        QTest::qWait(20);
    return done();
}

QStringList at(QPoint p)
{
    return {QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())};
}

TEST(RangePickerOnX, ARealDragAndRealTypingFillTheGrid)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    window::cards::RangePickerDialog dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* grid = dialog.findChild<window::cards::RangeGridView*>();
    ASSERT_NE(grid, nullptr);
    const auto& model = dialog.model();
    const auto centre = [&](std::string_view hand) {
        return grid->mapToGlobal(grid->cellRect(engine::handIndex(hand)).center());
    };

    // From JJ down and right to 88: JJ JTs J9s J8s, JT TT T9s T8s, J9 T9 99 98s, J8 T8 98 88.
    QStringList drag = at(centre("JJ"));
    drag << QStringLiteral("mousedown") << QStringLiteral("1");
    drag << at(centre("T9s")) << at(centre("88"));
    drag << QStringLiteral("mouseup") << QStringLiteral("1");
    ASSERT_TRUE(xdotool(drag));
    ASSERT_TRUE(settle([&] {
        return model.grid().cellCombosHeld(engine::handIndex("88")) == 6 && !model.grid().dragging();
    }));
    std::set<std::string> held;
    for (int i = 0; i < engine::kHandCount; ++i) {
        if (model.grid().cellHeld(i))
            held.insert(std::string(engine::handText(i)));
    }
    EXPECT_EQ(held, (std::set<std::string>{"JJ", "JTs", "J9s", "J8s", "JT", "TT", "T9s", "T8s", "J9", "T9", "99",
                                           "98s", "J8", "T8", "98", "88"}));
    EXPECT_FALSE(model.text().empty());

    // Typed into the range box.
    auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("rangeText"));
    ASSERT_NE(box, nullptr);
    const QPoint boxCentre = box->mapToGlobal(box->rect().center());
    ASSERT_TRUE(xdotool(at(boxCentre) << QStringLiteral("click") << QStringLiteral("1")));
    ASSERT_TRUE(settle([&] { return box->hasFocus(); }));
    ASSERT_TRUE(xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(dialog.winId())}));
    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")}));
    ASSERT_TRUE(xdotool(
        {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("KK+, AhKh")}));
    ASSERT_TRUE(settle([&] { return model.text() == "KK+, AhKh"; })) << model.text();
    EXPECT_EQ(model.grid().comboCount(), 13);
    EXPECT_TRUE(model.grid().cellPartial(engine::handIndex("AKs")));
}

} // namespace
