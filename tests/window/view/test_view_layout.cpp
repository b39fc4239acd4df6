// The main window as designed: its inner area, where controls sit, their
// fonts, that every caption fits, what lies in front of what, colours, the
// hand pointer and the menus.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <cmath>
#include <QMenu>
#include <QMenuBar>

#include "CaptionFit.h"
#include "ViewFixture.h"
#include "FrameControlFacts.h"
#include "platform/form/Input.h"
#include "window/view/FormBinding.h"

namespace viewtest {
namespace {

// Where a control lies in the window's inner area, in pixels.
QRect placeOf(const QWidget& w, const QWidget& inner)
{
    return QRect(w.mapTo(&inner, QPoint(0, 0)), w.size());
}

TEST_F(ViewTest, TheInnerAreaIs377By757AndTheWindowCannotBeResized)
{
    EXPECT_EQ(window->innerArea()->size(), QSize(377, 757));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Brisvane Tablewise"));
    EXPECT_FALSE(window->windowIcon().pixmap(64).isNull());
}

TEST_F(ViewTest, ControlsSitWhereTheyWereDesigned)
{
    struct {
        const char* name;
        QRect place;
    } const cases[] = {
        {"txtBB", {8, 32, 81, 23}},           {"txtHoleCard", {120, 32, 41, 24}},
        {"UltiFrame1", {8, 96, 361, 145}},    {"txtLimpers", {96, 136, 41, 19}},
        {"optRaiseReRaise", {16, 208, 137, 25}}, {"cmbPostFlop", {16, 496, 345, 24}},
        {"frmPot", {256, 432, 97, 57}},       {"optRaisedPost", {264, 464, 81, 17}},
        {"txtFlop", {8, 536, 361, 137}},      {"cmdResetPartial", {128, 696, 105, 25}},
        {"lblHyper", {176, 96, 169, 161}},    {"Image1", {144, 80, 221, 200}},
        {"optBlinds", {280, 24, 73, 17}},     {"lblBetAmount", {104, 272, 273, 25}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(placeOf(*widget(c.name), *window->innerArea()), c.place) << c.name;
}

TEST_F(ViewTest, FontsAreTheLiberationFacesAtTheDesignedSizes)
{
    struct {
        const char* name;
        const char* family;
        int pixels;
        bool bold;
    } const cases[] = {
        {"cmdResetPartial", "Liberation Sans", 11, false}, {"optOpened", "Liberation Sans", 11, true},
        {"txtBB", "Liberation Sans", 13, false},           {"txtHoleCard", "Liberation Sans", 13, true},
        {"optIn", "Liberation Sans", 13, true},            {"txtPreFlop", "Liberation Sans", 13, false},
        {"lblLimpers", "Liberation Sans", 11, true},
    };
    for (const auto& c : cases) {
        const QFontInfo shown(widget(c.name)->font());
        EXPECT_EQ(shown.family(), QString::fromLatin1(c.family)) << c.name;
        EXPECT_EQ(shown.pixelSize(), c.pixels) << c.name;
        EXPECT_EQ(shown.bold(), c.bold) << c.name;
    }
}

TEST_F(ViewTest, EveryCaptionFitsItsControl)
{
    expectCaptionsFit(*window->innerArea());
}

// What the mouse meets at a point of the inner area: the control in front.
TEST_F(ViewTest, EarlierControlsAndWindowsLieInFront)
{
    struct {
        QPoint at;
        const char* front; // empty: the window itself
    } const cases[] = {
        {{100, 508}, "cmbPostFlop"},    // over the Post-Flop frame
        {{260, 176}, "lblHyper"},       // through the see-through frame, over the logo
        {{367, 176}, "UltiFrame1"},     // the frame's own border
        {{40, 150}, "optLimped"},       // a control of the frame
        {{110, 125}, "lblLimpers"},     // a label behind the frame's see-through part
        {{355, 88}, "Frame1"},          // a frame in front of the logo
        {{200, 276}, "lblBetAmount"},   // labels created before the logo lie over it
        {{200, 260}, "lblGroup"},
        {{165, 700}, "cmdResetPartial"}, // the hidden Help button
        {{3, 40}, ""},                  // the hidden hand label
        {{20, 15}, "lblBB"},            // the other hidden hand label lies under it
    };
    for (const auto& c : cases) {
        QWidget* hit = window->innerArea()->childAt(c.at);
        while (hit && !window->binding().controlOf(hit) && hit != window->innerArea())
            hit = hit->parentWidget();
        const platform::Control* control = hit ? window->binding().controlOf(hit) : nullptr;
        EXPECT_EQ(control ? control->name() : std::string(), c.front) << c.at.x() << "," << c.at.y();
    }
}

TEST_F(ViewTest, AClickOnTheLogoThroughTheFrameOpensTheSite)
{
    clickAt(window->innerArea()->mapTo(window.get(), QPoint(260, 176)));
    ASSERT_EQ(desktop.shell.targets.size(), 1u);
    EXPECT_EQ(desktop.shell.targets[0], "https://brisvane.example/");
    clickAt(window->innerArea()->mapTo(window.get(), QPoint(367, 176))); // the border is the frame's
    EXPECT_EQ(desktop.shell.targets.size(), 1u);
}

TEST_F(ViewTest, ColoursOfTheForm)
{
    const QColor green(5, 124, 19);
    const QColor white(255, 255, 255);
    const QPalette system = QApplication::palette();
    EXPECT_EQ(window->innerArea()->palette().color(QPalette::Window), green);
    for (const char* name : {"lblBB", "optBlinds", "chkSuited", "optOpened", "Frame2", "frmPot"})
        EXPECT_EQ(widget(name)->palette().color(QPalette::WindowText), white) << name;
    for (const char* name : {"optEarly", "optMiddle", "optLate"})
        EXPECT_EQ(widget(name)->palette().color(QPalette::WindowText), system.color(QPalette::Button)) << name;
    for (const char* name : {"txtBB", "txtPreFlop", "cmbPostFlop", "cmdResetPartial"}) {
        EXPECT_EQ(widget(name)->palette().color(QPalette::Base), system.color(QPalette::Base)) << name;
        EXPECT_EQ(widget(name)->palette().color(QPalette::Window), system.color(QPalette::Window)) << name;
    }
}

double luminance(QColor c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Pixels of the control that the focus changes to a clearly different colour.
int markedPixels(const QImage& before, const QImage& after)
{
    int marked = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (contrast(before.pixelColor(x, y), after.pixelColor(x, y)) >= 3.0)
                ++marked;
    return marked;
}

// A keyboard user sees where the focus is without pressing anything: every
// control that takes the focus shows a mark when it has it, in a colour that
// stands out from what it lies on.
TEST_F(ViewTest, EveryControlThatTakesTheFocusShowsAMarkWhenItHasIt)
{
    QApplication::setCursorFlashTime(0); // the text boxes' caret stays on
    for (const char* name : {"txtBB", "txtHoleCard", "chkSuited", "optEarly", "optMiddle", "optLate", "optIn",
                             "optOut", "optMultiWay", "optHeadsUp", "optLimpedPost", "optRaisedPost", "cmbPostFlop",
                             "optBlinds", "optOpened", "optLimped", "optRaised", "optRaisedCalled",
                             "optRaiseReRaise", "txtLimpers", "cmdResetPartial"}) {
        platform::Control* control = frm().form.find(name);
        ASSERT_NE(control, nullptr) << name;
        platform::input::moveFocus(frm().txtFlop);
        const QImage before = widget(name)->grab().toImage();
        platform::input::moveFocus(*control);
        ASSERT_TRUE(widget(name)->hasFocus() || widget(name)->isAncestorOf(QApplication::focusWidget())) << name;
        const QImage after = widget(name)->grab().toImage();
        EXPECT_GE(markedPixels(before, after), 12) << name;
    }
    expectCaptionsFit(*window->innerArea());
}

TEST_F(ViewTest, ThePreFlopFrameIsTheFrameControlLoadedFromItsStoredProperties)
{
    const auto frame = frameControlFacts(*widget("UltiFrame1"));
    ASSERT_TRUE(frame.has_value());
    EXPECT_EQ(frame->caption, "Pre-Flop");
    EXPECT_EQ(frame->backStyle, 0);
    EXPECT_EQ(frame->cornerRadius, 1);
    EXPECT_EQ(frame->foreColor, 0x00FFFFFFu);
    EXPECT_EQ(frame->appearance, 1); // the rest as the control has them by default
    EXPECT_EQ(frame->alignment, 0);
    const QFontInfo font(frame->font);
    EXPECT_EQ(font.family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(font.pixelSize(), 13);
    EXPECT_TRUE(font.bold());
}

TEST_F(ViewTest, TheLogoAreaShowsTheHandPointerWithItsHotSpotOnTheFingertip)
{
    const QCursor hand = widget("lblHyper")->cursor();
    ASSERT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));
    const QImage picture = hand.pixmap().toImage();
    const QPoint tip = hand.hotSpot();
    // The fingertip's black outline is the hot spot, with nothing above it.
    EXPECT_EQ(qAlpha(picture.pixel(tip)), 255);
    EXPECT_EQ(qGray(picture.pixel(tip)), 0);
    EXPECT_EQ(tip.y(), 0);
}

TEST_F(ViewTest, MenusWithAccessKeysAndNoShortcuts)
{
    QStringList shown;
    for (QAction* menu : window->menuBar()->actions()) {
        shown << menu->text();
        for (QAction* item : menu->menu()->actions()) {
            shown << QStringLiteral("  ") + item->text();
            EXPECT_TRUE(item->shortcut().isEmpty());
        }
    }
    EXPECT_EQ(shown, (QStringList{QStringLiteral("&File"), QStringLiteral("  E&xit"), QStringLiteral("&View"),
                                  QStringLiteral("  &Strategy Chart"), QStringLiteral("  &Cards and Board"),
                                  QStringLiteral("  Review &Hands"), QStringLiteral("  &Practice"),
                                  QStringLiteral("&Help"),
                                  QStringLiteral("  Contents"), QStringLiteral("  &About Brisvane Tablewise")}));
}

} // namespace
} // namespace viewtest
