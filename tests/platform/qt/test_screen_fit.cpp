// Fitting a window to its screen: where its frame goes, how large its inner
// area is, and a window on screen whose content is larger than the screen.

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "platform/qt/ScreenFit.h"

namespace {

using platform::qt::fittedClientSize;
using platform::qt::frameWithin;

struct FrameCase {
    const char* name;
    QRect frame;
    QRect available;
    QRect expected;
};

void PrintTo(const FrameCase& c, std::ostream* out)
{
    *out << c.name;
}

class FrameWithin : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameWithin, LiesInTheArea)
{
    const FrameCase& c = GetParam();
    EXPECT_EQ(frameWithin(c.frame, c.available), c.expected);
}

const QRect kArea(0, 24, 1366, 744); // a panel along the top

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameWithin,
    ::testing::Values(FrameCase{"Inside", QRect(100, 100, 400, 300), kArea, QRect(100, 100, 400, 300)},
                      FrameCase{"AboveTheTop", QRect(100, -40, 400, 300), kArea, QRect(100, 24, 400, 300)},
                      FrameCase{"BelowTheBottom", QRect(100, 600, 400, 300), kArea, QRect(100, 468, 400, 300)},
                      FrameCase{"PastTheRight", QRect(1200, 100, 400, 300), kArea, QRect(966, 100, 400, 300)},
                      FrameCase{"LeftOfTheLeft", QRect(-50, 100, 400, 300), kArea, QRect(0, 100, 400, 300)},
                      FrameCase{"TallerThanTheArea", QRect(10, 10, 790, 820), kArea, QRect(10, 24, 790, 744)},
                      FrameCase{"LargerBothWays", QRect(-5, -5, 2000, 900), kArea, kArea},
                      FrameCase{"SecondScreen", QRect(1300, 50, 400, 300), QRect(1366, 0, 1920, 1080),
                                QRect(1366, 50, 400, 300)},
                      FrameCase{"NoArea", QRect(5, 5, 10, 10), QRect(), QRect(5, 5, 10, 10)}),
    [](const ::testing::TestParamInfo<FrameCase>& c) { return std::string(c.param.name); });

struct ClientCase {
    const char* name;
    QSize content;
    QMargins margins;
    QSize available;
    QSize expected;
};

void PrintTo(const ClientCase& c, std::ostream* out)
{
    *out << c.name;
}

class ClientSize : public ::testing::TestWithParam<ClientCase> {};

TEST_P(ClientSize, IsTheContentsOrWhatTheAreaLeaves)
{
    const ClientCase& c = GetParam();
    EXPECT_EQ(fittedClientSize(c.content, c.margins, c.available, 15), c.expected);
}

const QMargins kFrame(4, 30, 4, 4);

INSTANTIATE_TEST_SUITE_P(
    Sizes, ClientSize,
    ::testing::Values(ClientCase{"Fits", QSize(782, 785), kFrame, QSize(1920, 1080), QSize(782, 785)},
                      ClientCase{"JustFits", QSize(782, 734), kFrame, QSize(1366, 768), QSize(782, 734)},
                      // Less tall: the height the area leaves, and room for the vertical bar.
                      ClientCase{"TooTall", QSize(782, 785), kFrame, QSize(1366, 768), QSize(797, 734)},
                      // Less wide: the width the area leaves, and room for the horizontal bar.
                      ClientCase{"TooWide", QSize(1200, 500), kFrame, QSize(1024, 768), QSize(1016, 515)},
                      ClientCase{"TooLargeBothWays", QSize(1200, 900), kFrame, QSize(1024, 768), QSize(1016, 734)},
                      ClientCase{"TallAndNearlyTooWide", QSize(1010, 900), kFrame, QSize(1024, 768),
                                 QSize(1016, 734)}),
    [](const ::testing::TestParamInfo<ClientCase>& c) { return std::string(c.param.name); });

// A window whose content is far taller than the screen: it lies on the
// screen, frame and all, and its content scrolls to the bottom.
TEST(ScreenFitWindow, KeepsATallWindowOnTheScreenAndScrollsItsContent)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window;
    auto* content = new QWidget;
    content->setMinimumSize(300, area.height() * 2);
    platform::qt::ScreenFit fit(window, *content, platform::qt::ScreenFit::Sizing::Fixed);
    fit.placeAt(QPoint(area.left() + 20, area.top() - 100));
    // Before the window is shown its frame is assumed: the title bar is below
    // the top of the area.
    EXPECT_GE(window.geometry().top(), area.top() + platform::qt::assumedFrameMargins(window).top());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    EXPECT_TRUE(area.contains(window.frameGeometry()));
    QScrollBar* bar = fit.scrollArea().verticalScrollBar();
    EXPECT_TRUE(bar->isVisible());
    bar->setValue(bar->maximum());
    EXPECT_EQ(content->mapTo(&window, QPoint(0, content->height())).y(), fit.scrollArea().viewport()->height());
}

} // namespace
