// A transparent frame at run time: a window mask from its background colour,
// with its border, caption and contained controls kept.

#include <gtest/gtest.h>

#include <QPushButton>

#include "FrameFixture.h"

namespace {

using namespace frametest;
using framecontrol::UltiFrame;

struct SeeThrough : testing::Test {
    // A host window with something behind the frame, and a button on it.
    void build(std::uint32_t backColor, std::uint32_t foreColor, bool userMode = true)
    {
        host = std::make_unique<QWidget>();
        host->resize(300, 200);
        behind = new QWidget(host.get());
        behind->setGeometry(0, 0, 300, 200);
        frame = makeFrame(200, 100, userMode, host.get()).release();
        frame->move(50, 50);
        frame->setCornerRadius(20);
        frame->setAppearance(framecontrol::ufFlat);
        frame->setBackColor(backColor);
        frame->setForeColor(foreColor);
        button = new QPushButton(QStringLiteral("Opened"), frame);
        button->setGeometry(30, 40, 60, 25);
        frame->setBackStyle(framecontrol::ufTransparent);
        host->show();
        image = render(*frame);
    }

    std::unique_ptr<QWidget> host;
    QWidget* behind = nullptr;
    UltiFrame* frame = nullptr;
    QPushButton* button = nullptr;
    QImage image;
};

TEST_F(SeeThrough, MasksOutTheBackgroundAndKeepsBorderCaptionAndControls)
{
    build(kWhite, kBlack);
    const QRegion mask = frame->mask();
    ASSERT_FALSE(mask.isEmpty());
    const QRgb white = qRgb(255, 255, 255);
    // Every pixel is kept exactly when it differs from the background colour,
    // except over the contained button, which is kept whole.
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) {
            const bool overButton = button->geometry().contains(x, y);
            const bool kept = overButton || image.pixel(x, y) != white;
            ASSERT_EQ(mask.contains(QPoint(x, y)), kept) << x << "," << y;
        }
    // So the border and the caption's letters stay; the inside, the space
    // around the letters and the outside of the rounded corners go.
    const int lineY = frame->borderRect().top;
    EXPECT_TRUE(mask.contains(QPoint(100, lineY)));
    EXPECT_TRUE(mask.contains(QPoint(0, 60)));
    EXPECT_FALSE(mask.contains(QPoint(100, 60)));
    EXPECT_FALSE(mask.contains(QPoint(0, 99)));
    EXPECT_GT(count(image, qRgb(0, 0, 0), toQRect(frame->captionRect())), 0);
}

TEST_F(SeeThrough, ClicksInTheSeeThroughPartReachWhatLiesBehind)
{
    build(kWhite, kBlack);
    EXPECT_EQ(host->childAt(150, 110), behind);   // inside the frame
    EXPECT_EQ(host->childAt(51, 149), behind);    // outside a rounded corner
    EXPECT_EQ(host->childAt(50, 110), frame);     // on the left border
    EXPECT_EQ(host->childAt(90, 100), button);    // the contained button
}

TEST_F(SeeThrough, AControlMovedWhileHiddenIsKeptWhereItIsWhenShownAgain)
{
    build(kWhite, kBlack);
    host->hide();
    button->setGeometry(110, 40, 60, 25);
    host->show();
    const QRegion mask = frame->mask();
    EXPECT_TRUE(mask.contains(QPoint(120, 50)));
    EXPECT_FALSE(mask.contains(QPoint(40, 50)));
}

TEST_F(SeeThrough, OnABlackBackgroundControlsAreKeptInWhite)
{
    build(kBlack, kWhite);
    const QRegion mask = frame->mask();
    for (int y = 40; y < 65; ++y)
        for (int x = 30; x < 90; ++x)
            ASSERT_TRUE(mask.contains(QPoint(x, y))) << x << "," << y;
    EXPECT_FALSE(mask.contains(QPoint(150, 60)));
    EXPECT_TRUE(mask.contains(QPoint(0, 60)));
}

TEST_F(SeeThrough, AColourThatCannotBeTranslatedIsBlackForTheMaskToo)
{
    build(0x80000019, kWhite); // no such system colour: drawn black
    const QRegion mask = frame->mask();
    EXPECT_TRUE(mask.contains(QPoint(50, 50)));
    EXPECT_FALSE(mask.contains(QPoint(150, 60)));
}

TEST_F(SeeThrough, AtDesignTimeTheFrameStaysOpaque)
{
    build(kWhite, kBlack, false);
    EXPECT_TRUE(frame->mask().isEmpty());
    EXPECT_EQ(host->childAt(150, 110), frame);
}

TEST_F(SeeThrough, OpaqueAgainRemovesTheMask)
{
    build(kWhite, kBlack);
    frame->setBackStyle(framecontrol::ufOpaque);
    EXPECT_TRUE(frame->mask().isEmpty());
    EXPECT_EQ(host->childAt(150, 110), frame);
}

TEST_F(SeeThrough, NothingToKeepLeavesNothingVisible)
{
    build(kWhite, kBlack);
    delete button;
    frame->setCaption("");
    frame->setAppearance(3);
    EXPECT_FALSE(frame->mask().isEmpty());
    EXPECT_EQ(host->childAt(50, 50), behind);
    EXPECT_EQ(host->childAt(150, 110), behind);
}

} // namespace
