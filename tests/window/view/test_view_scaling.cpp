// The window on a dense screen, run twice: once with Qt scaling the whole
// window (a device pixel ratio), once with a forced font density and Qt's
// scaling off, where the window scales its own units. Either way the window
// keeps its proportions and every caption fits.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QScreen>
#include <cmath>

#include "CaptionFit.h"
#include "ViewFixture.h"

namespace viewtest {
namespace {

int scaled(double pixels, double by)
{
    return static_cast<int>(std::lround(pixels * by));
}

TEST_F(ViewTest, KeepsItsProportionsAndEveryCaptionFits)
{
    const double own = window->screen()->logicalDotsPerInchY() / 96.0;
    const double device = window->devicePixelRatio();
    ASSERT_GT(own * device, 1.0) << "run this test with a dense screen";
    EXPECT_DOUBLE_EQ(window->metrics().scale(), own);

    EXPECT_EQ(window->innerArea()->size(), QSize(scaled(377, own), scaled(757, own)));
    const QImage picture = window->innerArea()->grab().toImage();
    EXPECT_EQ(picture.width(), scaled(window->innerArea()->width(), device));
    EXPECT_EQ(QFontInfo(widget("txtBB")->font()).pixelSize(), scaled(13, own));
    expectCaptionsFit(*window->innerArea());

    // The logo still takes clicks through the frame.
    clickAt(window->innerArea()->mapTo(window.get(), QPoint(scaled(260, own), scaled(176, own))));
    EXPECT_EQ(desktop.shell.targets.size(), 1u);
}

} // namespace
} // namespace viewtest
