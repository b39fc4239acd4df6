// A chart cell entered in the main window types the chart's big blind so that
// the box reads it back as the same amount, whatever the money format.

#include <gtest/gtest.h>

#include <string>

#include "engine/Chart.h"
#include "tests/support/EuroMoney.h"
#include "window/chart/ChartPick.h"
#include "window/model/FrmPoker.h"

namespace {

struct PickCase {
    const platform::Money* money;
    double bigBlind;
};

TEST(ChartPick, TheBigBlindTypedReadsBackAsTheChartsAmount)
{
    const PickCase cases[] = {
        {&testsupport::euroMoney(), 2}, {&testsupport::euroMoney(), 0.5},   {&testsupport::euroMoney(), 1.234},
        {&testsupport::euroMoney(), 1000}, {&testsupport::euroMoney(), 12.345},
        {&platform::Money::unitedStates(), 1.234}, {&platform::Money::unitedStates(), 2.5},
        {&platform::Money::unitedStates(), 1000},
    };
    for (const PickCase& c : cases) {
        window::FrmPoker frm({}, *c.money);
        frm.Form_Load();
        engine::ChartSituation situation;
        situation.bigBlind = c.bigBlind;
        window::enterChartCell(frm, situation, "AKs");
        EXPECT_EQ(frm.txtBB.text(), c.money->amountText(c.bigBlind)) << c.bigBlind;
    }
}

} // namespace
