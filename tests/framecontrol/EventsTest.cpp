// Setters (what they repaint and report), methods, mouse events, Resize.

#include <gtest/gtest.h>

#include <functional>

#include <QPixmap>
#include <QApplication>
#include <QMouseEvent>

#include "FrameFixture.h"
#include "platform/PlatformError.h"
#include "tests/support/RecordingPorts.h"
#include "platform/propertybag/PropertyErrors.h"

namespace {

using namespace frametest;
using framecontrol::UltiFrame;

struct SetterCase {
    const char* key;
    std::function<void(UltiFrame&)> set;
    bool repaints;
    std::function<void(UltiFrame&)> prepare = [](UltiFrame&) {};
};

class Setters : public testing::TestWithParam<SetterCase> {};

TEST_P(Setters, ReportTheirKeyAndRepaintOnlyWhenTheyDraw)
{
    auto frame = makeFrame(200, 100);
    GetParam().prepare(*frame);
    frame->propertyChanges().clear();
    std::vector<std::string> heard;
    frame->propertyChanges().changed.connect([&](const std::string& key) { heard.push_back(key); });
    const QImage before = render(*frame);
    const QRegion maskBefore = frame->mask();

    GetParam().set(*frame);
    EXPECT_EQ(heard, std::vector<std::string>{GetParam().key});
    EXPECT_EQ(render(*frame) != before || frame->mask() != maskBefore, GetParam().repaints);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Setters,
    testing::Values(SetterCase{"Alignment", [](UltiFrame& f) { f.setAlignment(2); }, true},
                    SetterCase{"Appearance", [](UltiFrame& f) { f.setAppearance(0); }, true},
                    SetterCase{"BackColor", [](UltiFrame& f) { f.setBackColor(kGrey); }, true},
                    SetterCase{"BackStyle", [](UltiFrame& f) { f.setBackStyle(0); }, true},
                    SetterCase{"BorderColor", [](UltiFrame& f) { f.setBorderColor(kGreen); }, true,
                               [](UltiFrame& f) { f.setAppearance(0); }},
                    SetterCase{"BorderHighLightColor", [](UltiFrame& f) { f.setBorderHighLightColor(kBlack); }, true},
                    SetterCase{"BorderShadowColor", [](UltiFrame& f) { f.setBorderShadowColor(kBlack); }, true},
                    SetterCase{"BorderStyle", [](UltiFrame& f) { f.setBorderStyle(2); }, true,
                               [](UltiFrame& f) { f.setAppearance(0); }},
                    SetterCase{"Caption", [](UltiFrame& f) { f.setCaption("Post-Flop"); }, true},
                    SetterCase{"CaptionStyle", [](UltiFrame& f) { f.setCaptionStyle(1); }, true,
                               [](UltiFrame& f) { f.setCaption("A caption far too long for one line here"); }},
                    SetterCase{"CornerRadius", [](UltiFrame& f) { f.setCornerRadius(15); }, true},
                    SetterCase{"Font", [](UltiFrame& f) { f.setFont(QFont(QStringLiteral("DejaVu Serif"), 14)); },
                               true},
                    SetterCase{"Font3D", [](UltiFrame& f) { f.setFont3D(5); }, true},
                    SetterCase{"ForeColor", [](UltiFrame& f) { f.setForeColor(kRed); }, true},
                    SetterCase{"Enabled", [](UltiFrame& f) { f.setEnabled(false); }, false},
                    SetterCase{"ClipControls", [](UltiFrame& f) { f.setClipControls(false); }, false},
                    SetterCase{"MousePointer", [](UltiFrame& f) { f.setMousePointer(2); }, false},
                    SetterCase{"OLEDropMode", [](UltiFrame& f) { f.setOLEDropMode(1); }, false},
                    SetterCase{"MouseIcon", [](UltiFrame& f) { f.setMouseIcon(QCursor(QPixmap(8, 8))); }, false}));

TEST(Setters, EnabledAndClipControlsWaitForTheNextRedraw)
{
    auto frame = makeFrame(200, 100);
    const QImage enabled = render(*frame);
    frame->setEnabled(false);
    frame->setClipControls(false);
    EXPECT_EQ(render(*frame), enabled);
    frame->Refresh();
    EXPECT_NE(render(*frame), enabled); // the disabled look at run time
}

struct Refused {
    const char* property;
    std::function<void(UltiFrame&)> set;
};

class RefusedValues : public testing::TestWithParam<Refused> {};

TEST_P(RefusedValues, AreReportedAndChangeNothing)
{
    auto frame = makeFrame(200, 100);
    platform::PropertyBag before;
    frame->WriteProperties(before);
    frame->propertyChanges().clear();
    try {
        GetParam().set(*frame);
        FAIL() << "accepted";
    } catch (const platform::PlatformError& error) {
        EXPECT_EQ(error.number(), platform::kErrInvalidPropertyValue);
        EXPECT_NE(error.description().find(GetParam().property), std::string::npos);
    }
    platform::PropertyBag after;
    frame->WriteProperties(after);
    EXPECT_EQ(after.entries(), before.entries());
    EXPECT_FALSE(frame->propertyChanges().any());
}

INSTANTIATE_TEST_SUITE_P(Table, RefusedValues,
                         testing::Values(Refused{"BackStyle", [](UltiFrame& f) { f.setBackStyle(2); }},
                                         Refused{"BorderStyle", [](UltiFrame& f) { f.setBorderStyle(7); }},
                                         Refused{"MousePointer", [](UltiFrame& f) { f.setMousePointer(16); }},
                                         Refused{"MousePointer", [](UltiFrame& f) { f.setMousePointer(-1); }},
                                         Refused{"OLEDropMode", [](UltiFrame& f) { f.setOLEDropMode(2); }}));

TEST(MousePointer, ShowsTheMatchingCursorAndTheIconFor99)
{
    QWidget host;
    auto frame = makeFrame(200, 100, true, &host);
    const std::pair<int, Qt::CursorShape> shapes[] = {{1, Qt::ArrowCursor},     {2, Qt::CrossCursor},
                                                      {3, Qt::IBeamCursor},     {7, Qt::SizeVerCursor},
                                                      {9, Qt::SizeHorCursor},   {11, Qt::WaitCursor},
                                                      {12, Qt::ForbiddenCursor}, {13, Qt::BusyCursor},
                                                      {14, Qt::WhatsThisCursor}};
    for (const auto& [pointer, shape] : shapes) {
        frame->setMousePointer(pointer);
        EXPECT_EQ(frame->cursor().shape(), shape) << pointer;
    }
    frame->setMousePointer(0);
    EXPECT_FALSE(frame->testAttribute(Qt::WA_SetCursor));
    QPixmap icon(16, 16);
    icon.fill(Qt::blue);
    frame->setMousePointer(99);
    EXPECT_FALSE(frame->testAttribute(Qt::WA_SetCursor)); // no icon yet
    frame->setMouseIcon(QCursor(icon, 0, 0));
    EXPECT_EQ(frame->cursor().shape(), Qt::BitmapCursor);
}

struct SoundCase {
    std::optional<std::int32_t> flag;
    unsigned flags;
};

TEST(PlaySoundFile, AFileUnlessTheFlagIsSetAlwaysAsyncWithoutDefaultPurging)
{
    const SoundCase cases[] = {{std::nullopt, 0x20043}, {0, 0x20043}, {1, 0x10043}, {-7, 0x10043}};
    auto frame = makeFrame();
    testsupport::RecordingSound sound;
    sound.succeed = false; // the result is ignored
    frame->setSoundPort(&sound);
    for (const auto& c : cases)
        frame->PlaySoundFile("ding.wav", c.flag);
    ASSERT_EQ(sound.calls.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(sound.calls[i].fileOrAlias, "ding.wav");
        EXPECT_EQ(sound.calls[i].flags, cases[i].flags) << i;
    }
}

TEST(PlaySoundFile, WithoutAPortAMissingFileIsSilent)
{
    auto frame = makeFrame();
    frame->PlaySoundFile("/nonexistent/tablewise/ding.wav");
    frame->PlaySoundFile("NoSuchAlias", 1);
    EXPECT_EQ(frame->Caption(), "Pre-Flop"); // and the control carries on
}

struct MouseRecord {
    std::vector<std::string> events;
    void attach(UltiFrame& frame)
    {
        auto mouse = [this](const char* name) {
            return [this, name](std::int16_t& button, std::int16_t& shift, float& x, float& y) {
                events.push_back(std::string(name) + " " + std::to_string(button) + " " + std::to_string(shift) +
                                 " " + std::to_string(static_cast<int>(x)) + " " + std::to_string(static_cast<int>(y)));
            };
        };
        frame.MouseDown.connect(mouse("down"));
        frame.MouseUp.connect(mouse("up"));
        frame.Click.connect([this] { events.push_back("click"); });
        frame.DblClick.connect([this] { events.push_back("dblclick"); });
    }
};

void send(QWidget& widget, QEvent::Type type, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button, held, modifiers);
    QApplication::sendEvent(&widget, &event);
}

TEST(MouseEvents, ComeWithButtonShiftAndTwipsAndClickAfterTheLeftButton)
{
    auto frame = makeFrame();
    frame->show();
    MouseRecord record;
    record.attach(*frame);
    send(*frame, QEvent::MouseButtonPress, Qt::LeftButton, Qt::ShiftModifier, {10, 20});
    send(*frame, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::ShiftModifier, {10, 20});
    send(*frame, QEvent::MouseButtonPress, Qt::RightButton, Qt::ControlModifier, {3, 4});
    send(*frame, QEvent::MouseButtonRelease, Qt::RightButton, Qt::ControlModifier, {3, 4});
    // A double click as Qt delivers it: the second press comes again as a
    // double click, and its release is no click.
    send(*frame, QEvent::MouseButtonPress, Qt::LeftButton, Qt::NoModifier, {1, 2});
    send(*frame, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoModifier, {1, 2});
    send(*frame, QEvent::MouseButtonPress, Qt::LeftButton, Qt::NoModifier, {1, 2});
    send(*frame, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::NoModifier, {1, 2});
    send(*frame, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoModifier, {1, 2});
    // Releasing outside the control is no click either.
    send(*frame, QEvent::MouseButtonPress, Qt::LeftButton, Qt::NoModifier, {1, 2});
    send(*frame, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoModifier, {-5, 2});
    const std::vector<std::string> expected = {
        "down 1 1 150 300", "up 1 1 150 300", "click",          "down 2 2 45 60", "up 2 2 45 60",
        "down 1 0 15 30",   "up 1 0 15 30",   "click",          "down 1 0 15 30", "dblclick",
        "up 1 0 15 30",     "down 1 0 15 30", "up 1 0 -75 30"};
    EXPECT_EQ(record.events, expected);
}

TEST(MouseEvents, AClickThroughThePictureReachesTheFrame)
{
    auto frame = makeFrame();
    frame->show();
    QWidget* picture = frame->findChild<QWidget*>(QStringLiteral("picFrame"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(frame->childAt(50, 50), nullptr); // the picture lets the mouse through
}

TEST(ResizeEvent, ComesAfterTheFrameWasRedrawnAtItsNewSize)
{
    auto frame = makeFrame(200, 100);
    frame->show();
    int borderRight = 0;
    QSize pictureSize;
    frame->Resize.connect([&] {
        borderRight = frame->borderRect().right;
        pictureSize = frame->findChild<QWidget*>(QStringLiteral("picFrame"))->size();
    });
    frame->resize(260, 120);
    EXPECT_EQ(borderRight, 260);
    EXPECT_EQ(pictureSize, QSize(260, 120));
}

} // namespace
