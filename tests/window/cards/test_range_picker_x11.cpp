// The range picker on a real X display with real X events (xdotool): a drag
// across the grid with the button held selects the rectangle, a range typed
// on the keyboard fills the grid, the chart button fills it with the
// advisor's hands, and a range saved to the library under a typed name
// loads back.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <set>
#include <string>

#include "engine/cards/Range.h"
#include "tests/support/QtTestApp.h"
#include "tests/support/RangeContents.h"
#include "tests/support/TempFolder.h"
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

using Contents = testsupport::RangeContents;
using testsupport::contents;

bool clickOn(QWidget* w)
{
    return xdotool(at(w->mapToGlobal(w->rect().center())) << QStringLiteral("click") << QStringLiteral("1"));
}

TEST(RangePickerOnX, ARealDragAndRealTypingFillTheGrid)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    testsupport::TempFolder folder;
    window::cards::RangePickerDialog dialog(folder.path() / "hands.sqlite");
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

TEST(RangePickerOnX, TheChartButtonAndTheLibraryWorkWithRealClicksAndTyping)
{
    testsupport::TempFolder folder;
    window::cards::RangePickerDialog dialog(folder.path() / "hands.sqlite");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const auto& model = dialog.model();
    const auto button = [&](const char* name) {
        auto* b = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    };

    // The chart as the dialog opens: first in, early position, the raises.
    ASSERT_TRUE(clickOn(button("chartFill")));
    ASSERT_TRUE(settle([&] { return model.grid().comboCount() > 0; }));
    EXPECT_EQ(contents(model.range()), contents("chart(opened, early):raise"));

    // Saved under a name typed into the dialog that asks for it.
    auto* ask = new QTimer(&dialog);
    bool typed = false;
    QObject::connect(ask, &QTimer::timeout, [&] {
        auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!input || !input->isVisible())
            return;
        ask->stop();
        typed = xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(input->winId())})
            && xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"),
                        QStringLiteral("Early raises")})
            && xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    });
    ask->start(20);
    ASSERT_TRUE(clickOn(button("librarySave")));
    ASSERT_TRUE(settle([&] { return dialog.library().holds("Early raises"); })) << dialog.library().message();
    EXPECT_TRUE(typed);
    auto* list = dialog.findChild<QComboBox*>(QStringLiteral("libraryList"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentText(), QStringLiteral("Early raises"));

    // Cleared, then loaded back from the library.
    ASSERT_TRUE(clickOn(button("clearButton")));
    ASSERT_TRUE(settle([&] { return model.grid().comboCount() == 0; }));
    ASSERT_TRUE(clickOn(button("libraryLoad")));
    ASSERT_TRUE(settle([&] { return model.grid().comboCount() > 0; }));
    EXPECT_EQ(contents(model.range()), contents("chart(opened, early):raise"));
}

} // namespace
