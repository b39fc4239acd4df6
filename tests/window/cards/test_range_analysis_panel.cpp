// The range analysis panel on its real widgets, alone in a plain window: the
// counts reach the tables and charts from the worker, a header click sorts
// the classes, the chart shows the part chosen, the plot names the card under
// the pointer, and a newer input replaces an older count.

#include <gtest/gtest.h>

#include <algorithm>

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QGraphicsScene>
#include <QHeaderView>
#include <QLabel>
#include <QScatterSeries>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

#include "engine/cards/CardParser.h"
#include "engine/cards/Range.h"
#include "tests/support/QtTestApp.h"
#include "window/cards/RangeAnalysisPanel.h"

namespace {

using window::cards::AnalysisPart;
using window::cards::PartState;
using window::cards::RangeAnalysisInput;
using window::cards::RangeAnalysisPanel;

RangeAnalysisInput input(std::string_view hand, std::string_view board, std::string_view range)
{
    RangeAnalysisInput in;
    in.hand = engine::cards::parseHoleCards(hand).value;
    in.board = engine::cards::parseCards(board).value;
    in.range = engine::cards::parseRange(range).value;
    in.rangeText = std::string(range);
    return in;
}

class RangeAnalysisPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.resize(720, 640);
        auto* layout = new QVBoxLayout(&host);
        panel = new RangeAnalysisPanel(&host);
        layout->addWidget(panel);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    }

    template <typename T>
    T* child(const char* name)
    {
        auto* w = panel->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Waits, with a generous limit so that a fault fails rather than hangs,
    // until no part is counting.
    bool settled()
    {
        for (int i = 0; i < 1200; ++i) {
            bool counting = false;
            for (AnalysisPart part : {AnalysisPart::Breakdown, AnalysisPart::Split, AnalysisPart::NextCard})
                counting = counting || panel->model().state(part) == PartState::Counting;
            if (!counting)
                return true;
            QTest::qWait(50);
        }
        return false;
    }
    QStringList column(QTableWidget* table, int c)
    {
        QStringList texts;
        for (int r = 0; r < table->rowCount(); ++r)
            texts << table->item(r, c)->text();
        return texts;
    }
    void clickHeader(QTableWidget* table, int section)
    {
        QHeaderView* header = table->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }

    QWidget host;
    RangeAnalysisPanel* panel = nullptr;
};

TEST_F(RangeAnalysisPanelTest, ShowsTheBreakdownTheSplitAndTheNextCard)
{
    panel->setInput(input("AhKh", "Qh7s2d", "QQ+, AK"));
    ASSERT_TRUE(settled());
    for (AnalysisPart part : {AnalysisPart::Breakdown, AnalysisPart::Split, AnalysisPart::NextCard})
        ASSERT_EQ(panel->model().state(part), PartState::Done) << panel->model().message(part);

    // Hand classes: the strongest first, then a click on Equity puts the
    // hand's best first and a second click its worst.
    auto* classes = child<QTableWidget>("breakdownTable");
    EXPECT_EQ(column(classes, 0), (QStringList{"AA", "KK", "QQ", "AKs", "AK"}));
    EXPECT_EQ(column(classes, 1), (QStringList{"3", "3", "3", "3", "6"}));
    EXPECT_TRUE(child<QLabel>("breakdownStatus")->text().startsWith("AhKh against QQ+, AK on Qh 7s 2d"));
    clickHeader(classes, 5);
    EXPECT_TRUE(column(classes, 0).front().startsWith("AK"));
    EXPECT_EQ(column(classes, 0).back(), "QQ");
    EXPECT_EQ(classes->horizontalHeader()->sortIndicatorSection(), 5);
    EXPECT_EQ(classes->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    clickHeader(classes, 5);
    EXPECT_EQ(column(classes, 0).front(), "QQ");
    EXPECT_EQ(classes->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
    clickHeader(classes, 0);
    EXPECT_EQ(column(classes, 0), (QStringList{"AA", "KK", "QQ", "AKs", "AK"}));

    // Board: the table lists the lines the range holds; the chart a whole part.
    const auto lines = panel->model().splitLines();
    const auto held = std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.count.combos > 0; });
    auto* split = child<QTableWidget>("splitTable");
    EXPECT_EQ(split->rowCount(), held);
    EXPECT_EQ(split->item(0, 0)->text(), "Made hands");
    auto* chartView = child<QChartView>("splitChart");
    ASSERT_EQ(chartView->chart()->series().size(), 1);
    auto* bars = qobject_cast<QAbstractBarSeries*>(chartView->chart()->series().front());
    ASSERT_NE(bars, nullptr);
    ASSERT_EQ(bars->barSets().size(), 1);
    auto* part = child<QComboBox>("splitPart");
    for (const auto& [index, count] : std::vector<std::pair<int, int>>{{0, 9}, {1, 7}, {2, 14}}) {
        part->setCurrentIndex(index);
        EXPECT_EQ(bars->barSets().front()->count(), count) << part->currentText().toStdString();
    }
    // Every combination makes a hand: the made hands' bars add up to the whole.
    part->setCurrentIndex(0);
    double sum = 0;
    for (int i = 0; i < bars->barSets().front()->count(); ++i)
        sum += bars->barSets().front()->at(i);
    EXPECT_NEAR(sum, 100.0, 1e-9);

    // Next card: a point for each of the 47 unseen cards; the pointer over
    // one names it.
    panel->setCurrentIndex(2);
    auto* plotView = child<QChartView>("nextCardChart");
    QScatterSeries* points = nullptr;
    for (QAbstractSeries* s : plotView->chart()->series())
        if (auto* scatter = qobject_cast<QScatterSeries*>(s))
            points = scatter;
    ASSERT_NE(points, nullptr);
    EXPECT_EQ(points->count(), 47);
    const engine::cards::Card kd = engine::cards::parseCards("Kd").value.front();
    QPointF kdPoint;
    for (const QPointF& p : points->points())
        if (p.x() == window::cards::cardPlace(kd))
            kdPoint = p;
    ASSERT_FALSE(kdPoint.isNull());
    const QPointF inScene = plotView->chart()->mapToScene(plotView->chart()->mapToPosition(kdPoint, points));
    QTest::mouseMove(plotView->viewport(), plotView->mapFromScene(inScene));
    QTest::qWait(50);
    EXPECT_TRUE(child<QLabel>("nextCardPointer")->text().startsWith("Kd: equity "))
        << child<QLabel>("nextCardPointer")->text().toStdString();

    const QString folder = QStringLiteral(SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    for (int tab = 0; tab < panel->count(); ++tab) {
        panel->setCurrentIndex(tab);
        QTest::qWait(20);
        EXPECT_TRUE(host.grab().save(folder + QStringLiteral("/range-analysis-%1.png").arg(tab)));
    }
}

TEST_F(RangeAnalysisPanelTest, ANewerInputReplacesTheCountUnderWay)
{
    // Before the flop every class is dealt at random: a long count, cut short.
    RangeAnalysisInput slow;
    slow.hand = engine::cards::parseHoleCards("AhKh").value;
    slow.range = engine::cards::Range::random();
    panel->setInput(slow);
    EXPECT_EQ(panel->model().state(AnalysisPart::Breakdown), PartState::Counting);
    panel->setInput(input("AhKh", "Qh7s2d5c9h", "QQ+"));
    ASSERT_TRUE(settled());
    EXPECT_EQ(column(child<QTableWidget>("breakdownTable"), 0), (QStringList{"AA", "KK", "QQ"}));
    EXPECT_EQ(panel->model().state(AnalysisPart::NextCard), PartState::Unavailable);
    EXPECT_EQ(child<QLabel>("nextCardStatus")->text(), "On the river no card is to come.");
    EXPECT_EQ(panel->model().state(AnalysisPart::Split), PartState::Done);

    // An input that allows nothing clears what was shown.
    panel->setInput({});
    EXPECT_EQ(child<QTableWidget>("breakdownTable")->rowCount(), 0);
    EXPECT_EQ(child<QTableWidget>("splitTable")->rowCount(), 0);
    EXPECT_FALSE(child<QLabel>("splitStatus")->text().isEmpty());
}

// Folded away, the panel counts nothing, however long it waits; opened
// again it counts what the input asks.
TEST_F(RangeAnalysisPanelTest, CountsNothingWhileFoldedAway)
{
    panel->setActive(false);
    panel->setInput(input("AhKh", "Qh7s2d5c9h", "QQ+"));
    QTest::qWait(600);
    EXPECT_EQ(panel->model().state(AnalysisPart::Breakdown), PartState::Counting);
    EXPECT_EQ(panel->model().state(AnalysisPart::Split), PartState::Counting);
    panel->setActive(true);
    ASSERT_TRUE(settled());
    EXPECT_EQ(column(child<QTableWidget>("breakdownTable"), 0), (QStringList{"AA", "KK", "QQ"}));
    EXPECT_EQ(panel->model().state(AnalysisPart::Split), PartState::Done);
}

} // namespace
