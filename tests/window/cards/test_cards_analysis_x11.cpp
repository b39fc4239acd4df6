// The cards window on a real X display with real X events (xdotool): the
// hand and the flop typed, an opponent's range picked on the grid from the
// advisor's chart (a chooser changed with the keyboard, then the chart
// button), and the analysis below the equity breaking the hand's equity down
// by the classes of that range.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <set>
#include <string>

#include "engine/Hand.h"
#include "engine/cards/CardParser.h"
#include "engine/cards/HandClass.h"
#include "engine/cards/Range.h"
#include "tests/support/PlayerInput.h"
#include "tests/support/QtTestApp.h"
#include "window/cards/CardsWindow.h"
#include "window/cards/OpponentRows.h"
#include "window/cards/RangeAnalysisPanel.h"
#include "window/cards/RangePickerDialog.h"
#include "window/model/FrmPoker.h"

namespace {

using window::cards::CardBox;

bool xdotool(const QStringList& arguments)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), arguments);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Lets the program take in the X events until `done` holds, at most `ms`.
bool settle(const std::function<bool()>& done, int ms = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QTest::qWait(20);
    return done();
}

// Shows the widget in the window's scroll area, then clicks its centre.
bool clickOn(QWidget* w)
{
    if (auto* scroll = w->window()->findChild<QScrollArea*>())
        scroll->ensureWidgetVisible(w);
    QTest::qWait(50);
    const QPoint p = w->mapToGlobal(w->rect().center());
    return xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
                    QStringLiteral("click"), QStringLiteral("1")});
}

bool typeInto(QLineEdit* box, const QString& text)
{
    return clickOn(box) && settle([&] { return box->hasFocus(); })
        && xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text})
        && settle([&] { return box->text() == text; });
}

using Contents = std::set<std::pair<std::string, double>>;

// A range's combinations and weights in no particular order.
Contents contents(const engine::cards::Range& range)
{
    Contents c;
    for (std::size_t i = 0; i < range.combos().size(); ++i)
        c.emplace(range.combos()[i].text(), range.weights()[i]);
    return c;
}

// The classes of the range's hands that the known cards leave possible.
std::set<std::string> classesOf(const engine::cards::Range& range, engine::cards::CardSet known)
{
    std::set<std::string> classes;
    for (const auto& combo : range.combos())
        if (!combo.set().intersects(known))
            classes.insert(std::string(engine::handText(engine::cards::handClassOf(combo))));
    return classes;
}

TEST(CardsAnalysisOnX, ARangePickedFromTheChartIsBrokenDownByItsClasses)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    // The picker's library of ranges lives in a store of the test's own.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    qputenv("TABLEWISE_REVIEW_DB", folder.filePath(QStringLiteral("ranges.db")).toLocal8Bit());

    // The main window: late position, the pot raised before the player.
    window::FrmPoker frm{{}, platform::Money::unitedStates()};
    frm.Form_Load();
    testsupport::type(frm.txtBB, "2");
    testsupport::click(frm.optLate);
    testsupport::click(frm.optRaised);

    window::cards::CardsWindow w(frm);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_TRUE(xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(w.winId())}));
    ASSERT_TRUE(typeInto(w.cardBox(CardBox::Hole), QStringLiteral("AhKh")));
    ASSERT_TRUE(typeInto(w.cardBox(CardBox::Flop), QStringLiteral("Qh Jh 2c")));
    ASSERT_TRUE(w.model().reading().hand.has_value());
    ASSERT_EQ(w.model().reading().board.size(), 3U);
    EXPECT_NE(w.analysisTitle()->text().indexOf(QStringLiteral("No opponent")), -1)
        << w.analysisTitle()->text().toStdString();

    // In the picker: the bet class chooser one down with the keyboard (from
    // the raises to the calls), the chart button, OK.
    int step = 0;
    int chosenClass = -1;
    engine::cards::Range picked;
    QTimer driver;
    driver.setInterval(50);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<window::cards::RangePickerDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        auto* chooser = dialog->findChild<QComboBox*>(QStringLiteral("chartClass"));
        auto* fill = dialog->findChild<QPushButton*>(QStringLiteral("chartFill"));
        auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        if (!chooser || !fill || !ok) {
            step = -1;
            return;
        }
        switch (step) {
        case 0:
            if (xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(dialog->winId())})
                && clickOn(chooser))
                step = 1;
            break;
        case 1:
            // The chooser's list is open.
            if (QApplication::activePopupWidget() && xdotool({QStringLiteral("key"), QStringLiteral("Down"),
                                                                QStringLiteral("Return")}))
                step = 2;
            break;
        case 2:
            if (!QApplication::activePopupWidget() && chooser->currentIndex() == 1 && clickOn(fill))
                step = 3;
            break;
        case 3:
            if (dialog->model().grid().comboCount() > 0) {
                chosenClass = chooser->currentIndex();
                picked = dialog->range();
                if (clickOn(ok))
                    step = 4;
            }
            break;
        default: break;
        }
    });
    driver.start();
    ASSERT_TRUE(clickOn(w.opponentRows()->gridButton(0)));
    ASSERT_TRUE(settle([&] { return step == 4 && QApplication::activeModalWidget() == nullptr; }, 20000))
        << "the picker stopped at step " << step;
    driver.stop();

    ASSERT_EQ(chosenClass, 1);
    const auto expected = engine::cards::parseRange("chart(raised, late):call");
    ASSERT_TRUE(expected.ok()) << expected.error;
    ASSERT_FALSE(expected.value.empty());
    EXPECT_EQ(contents(picked), contents(expected.value));
    ASSERT_TRUE(w.model().opponentReading(0).range.has_value());
    EXPECT_EQ(contents(*w.model().opponentReading(0).range), contents(expected.value));
    EXPECT_NE(w.analysisTitle()->text().indexOf(QStringLiteral("Against opponent 1: ")), -1)
        << w.analysisTitle()->text().toStdString();

    // The breakdown, once counted, lists the range's classes.
    window::cards::RangeAnalysisPanel* panel = w.rangeAnalysis();
    ASSERT_TRUE(settle(
        [&] {
            return panel->model().state(window::cards::AnalysisPart::Breakdown) == window::cards::PartState::Done;
        },
        60000))
        << panel->model().message(window::cards::AnalysisPart::Breakdown);
    auto* table = panel->findChild<QTableWidget*>(QStringLiteral("breakdownTable"));
    ASSERT_NE(table, nullptr);
    std::set<std::string> shown;
    for (int row = 0; row < table->rowCount(); ++row)
        shown.insert(table->item(row, 0)->text().toStdString());
    engine::cards::CardSet known;
    for (const auto& c : engine::cards::parseCards("AhKh Qh Jh 2c").value)
        known.insert(c);
    EXPECT_EQ(shown, classesOf(expected.value, known));
    EXPECT_FALSE(shown.empty());

    // For a person to look at.
    const QString shots = QStringLiteral(SCREENSHOT_DIR);
    if (QDir().mkpath(shots)) {
        if (auto* scroll = w.findChild<QScrollArea*>())
            scroll->ensureWidgetVisible(panel);
        QTest::qWait(100);
        w.grab().save(shots + QStringLiteral("/cards-analysis.png"));
    }
    qunsetenv("TABLEWISE_REVIEW_DB");
}

} // namespace
