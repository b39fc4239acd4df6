// The see-through background: captured once from the form behind the control
// when the form paints, removed and captured again as BackStyle changes, and
// everything the capture takes given back, whatever fails.

#include <gtest/gtest.h>

#include <map>
#include <type_traits>
#include <set>

#include <QLineEdit>

#include "PaneFixture.h"
#include "platform/PlatformError.h"
#include "platform/draw/DeviceCaps.h"
#include "sheerpane/WindowHandles.h"

namespace {

using panetest::FormWithPane;
using sheerpane::WindowGdi;

// The real drawing calls, counted, with one of them failing on demand.
class TestGdi : public WindowGdi {
public:
    std::string failIn;
    std::map<std::string, int> calls;

    sheerpane::HDC GetDC(sheerpane::HWND w) override { return step("GetDC", [&] { return WindowGdi::GetDC(w); }); }
    sheerpane::HDC GetWindowDC(sheerpane::HWND w) override
    {
        return step("GetWindowDC", [&] { return WindowGdi::GetWindowDC(w); });
    }
    sheerpane::HDC CreateCompatibleDC(sheerpane::HDC dc) override
    {
        return step("CreateCompatibleDC", [&] { return WindowGdi::CreateCompatibleDC(dc); });
    }
    sheerpane::HBITMAP CreateCompatibleBitmap(sheerpane::HDC dc, int w, int h) override
    {
        return step("CreateCompatibleBitmap", [&] { return WindowGdi::CreateCompatibleBitmap(dc, w, h); });
    }
    sheerpane::HGDIOBJ SelectObject(sheerpane::HDC dc, sheerpane::HGDIOBJ o) override
    {
        return step("SelectObject", [&] { return WindowGdi::SelectObject(dc, o); });
    }
    int GetDeviceCaps(sheerpane::HDC dc, int index) override
    {
        return step("GetDeviceCaps", [&] { return WindowGdi::GetDeviceCaps(dc, index); });
    }
    unsigned GetSystemPaletteEntries(sheerpane::HDC dc, unsigned s, unsigned n, sheerpane::PaletteEntry* e) override
    {
        return step("GetSystemPaletteEntries", [&] { return WindowGdi::GetSystemPaletteEntries(dc, s, n, e); });
    }
    sheerpane::HPALETTE CreatePalette(const sheerpane::LogPalette& p) override
    {
        return step("CreatePalette", [&] { return WindowGdi::CreatePalette(p); });
    }
    sheerpane::HPALETTE SelectPalette(sheerpane::HDC dc, sheerpane::HPALETTE p, bool b) override
    {
        return step("SelectPalette", [&] { return WindowGdi::SelectPalette(dc, p, b); });
    }
    unsigned RealizePalette(sheerpane::HDC dc) override
    {
        return step("RealizePalette", [&] { return WindowGdi::RealizePalette(dc); });
    }
    bool BitBlt(sheerpane::HDC d, int x, int y, int w, int h, sheerpane::HDC s, int sx, int sy,
                unsigned long rop) override
    {
        return step("BitBlt", [&] { return WindowGdi::BitBlt(d, x, y, w, h, s, sx, sy, rop); });
    }
    sheerpane::StdPicture OleCreatePictureIndirect(const sheerpane::PictDesc& desc, bool own) override
    {
        return step("OleCreatePictureIndirect", [&] { return WindowGdi::OleCreatePictureIndirect(desc, own); });
    }

private:
    template <class Call>
    std::invoke_result_t<Call> step(const std::string& name, Call call)
    {
        ++calls[name];
        if (name == failIn)
            throw platform::PlatformError(5, name + " failed");
        return call();
    }
};

struct Capture : testing::Test {
    FormWithPane placed;
    std::shared_ptr<TestGdi> gdi = std::make_shared<TestGdi>();
    Sheerpane& pane = *placed.pane;

    void SetUp() override
    {
        pane.setWindowGdi(gdi);
        placed.form->show();
    }

    // A paint of the form, and the work it queues.
    void paintForm()
    {
        placed.form->repaint();
        panetest::settle();
    }

    int captures() const { return gdi->calls["GetWindowDC"]; }

    // The form's picture behind the control's rectangle, computed.
    static QImage expectedBehind(const QRect& area)
    {
        QImage image(area.size(), QImage::Format_RGB32);
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x)
                image.setPixel(x, y, panetest::patternAt(area.x() + x, area.y() + y));
        return image;
    }
};

TEST_F(Capture, TheFirstPaintShowsExactlyTheFormsPixelsBehindTheControl)
{
    ASSERT_TRUE(panetest::settle([&] { return pane.ShowParentImage(); }));
    ASSERT_FALSE(pane.Picture().empty());
    const QImage captured = pane.Picture().image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(captured, expectedBehind(pane.geometry()));
    // What the form draws there with the control out of the way, too.
    pane.hide();
    EXPECT_EQ(captured, placed.formPixels(pane.geometry()));
    pane.show();
    // On screen, inside the border, the control shows it.
    const QImage shown = panetest::render(pane);
    EXPECT_EQ(shown.pixel(80, 50), captured.pixel(80, 50));
    EXPECT_EQ(gdi->census(), WindowGdi::Census{});
    EXPECT_EQ(pane.Picture().palette, nullptr);
}

TEST_F(Capture, LaterPaintsCaptureNothingMoreAndNestedPaintsDoNotStartASecondCapture)
{
    ASSERT_TRUE(panetest::settle([&] { return pane.ShowParentImage(); }));
    EXPECT_EQ(captures(), 1);
    // Hiding the control during the capture repainted the form, and the
    // work those paints queued ran inside the capture's message pumping.
    EXPECT_GT(placed.form->paints, 1);
    for (int i = 0; i < 3; ++i)
        paintForm();
    EXPECT_EQ(captures(), 1);
    EXPECT_TRUE(pane.isVisible());
}

TEST_F(Capture, SwitchingBackStyleShowsOnlyAfterTwoPaints)
{
    ASSERT_TRUE(panetest::settle([&] { return pane.ShowParentImage(); }));
    pane.setBackStyle(Sheerpane::Opaque);
    pane.setBackStyle(Sheerpane::Transparent);
    panetest::settle();
    EXPECT_EQ(captures(), 1); // setting BackStyle alone changes nothing

    pane.setBackStyle(Sheerpane::Opaque);
    EXPECT_FALSE(pane.Picture().empty());
    paintForm(); // removes the picture
    EXPECT_TRUE(pane.Picture().empty());
    EXPECT_FALSE(pane.ShowParentImage());
    EXPECT_EQ(panetest::render(pane).pixel(80, 50), panetest::pixelOf(pane.BackColor()));

    pane.setBackStyle(Sheerpane::Transparent);
    EXPECT_TRUE(pane.Picture().empty());
    paintForm(); // captures again
    EXPECT_EQ(captures(), 2);
    EXPECT_TRUE(pane.ShowParentImage());
    EXPECT_FALSE(pane.Picture().empty());
}

TEST_F(Capture, AnErrorInThePaintWorkLeavesTheGuardClear)
{
    ASSERT_TRUE(panetest::settle([&] { return pane.ShowParentImage(); }));
    pane.setBackStyle(Sheerpane::Opaque);
    paintForm();
    pane.setBackStyle(Sheerpane::Transparent);

    gdi->failIn = "BitBlt";
    EXPECT_THROW(pane.MyParent_Paint(), platform::PlatformError);
    EXPECT_FALSE(pane.ShowParentImage());
    EXPECT_TRUE(pane.isVisible()); // shown again after the failed capture

    // The next paint works: the guard did not stay set.
    gdi->failIn.clear();
    pane.MyParent_Paint();
    EXPECT_TRUE(pane.ShowParentImage());
    EXPECT_FALSE(pane.Picture().empty());
}

TEST_F(Capture, AnErrorAfterAFormsPaintReachesTheHost)
{
    gdi->failIn = "CreateCompatibleBitmap";
    std::vector<int> errors;
    QObject::connect(&pane, &Sheerpane::errorRaised, [&](int number, const QString&) { errors.push_back(number); });
    ASSERT_TRUE(panetest::settle([&] { return !errors.empty(); }));
    EXPECT_EQ(errors.front(), 5);
    EXPECT_FALSE(pane.ShowParentImage());
    gdi->failIn.clear();
    paintForm();
    EXPECT_TRUE(pane.ShowParentImage());
}

TEST_F(Capture, TheFocusComesBackToTheControlThatHadIt)
{
    auto* box = new QLineEdit(&pane);
    box->setGeometry(20, 30, 80, 20);
    box->show();
    placed.form->activateWindow();
    box->setFocus();
    pane.setBackStyle(Sheerpane::Opaque);
    paintForm();
    ASSERT_TRUE(box->hasFocus());
    pane.setBackStyle(Sheerpane::Transparent);
    paintForm();
    EXPECT_TRUE(pane.ShowParentImage());
    EXPECT_TRUE(box->hasFocus());
}

TEST_F(Capture, AControlTheHostHidItselfIsCapturedButStaysHidden)
{
    pane.setBackStyle(Sheerpane::Opaque);
    paintForm();
    pane.hide();
    pane.setBackStyle(Sheerpane::Transparent);
    paintForm();
    EXPECT_TRUE(pane.ShowParentImage());
    EXPECT_TRUE(pane.isHidden());
}

TEST_F(Capture, OnAPaletteDeviceThePictureCarriesTheSystemPalette)
{
    const platform::draw::DeviceCaps device = platform::draw::DeviceCaps::paletteDevice256(1024, 768);
    gdi->setScreenCaps(device);
    ASSERT_TRUE(panetest::settle([&] { return pane.ShowParentImage(); }));
    const sheerpane::StdPicture& picture = pane.Picture();
    ASSERT_NE(picture.palette, nullptr);
    EXPECT_EQ(*picture.palette, device.systemPalette);
    EXPECT_NE(picture.hPal, 0);
    // Every pixel became the nearest palette colour.
    const std::set<QRgb> colours(device.systemPalette.begin(), device.systemPalette.end());
    const QImage image = picture.image();
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 5)
            ASSERT_TRUE(colours.count(image.pixel(x, y))) << x << "," << y;
    EXPECT_NE(image, expectedBehind(pane.geometry()));
    EXPECT_EQ(gdi->census(), WindowGdi::Census{});
    EXPECT_EQ(gdi->calls["GetSystemPaletteEntries"], 1);
    EXPECT_EQ(gdi->calls["RealizePalette"], 1);
}

TEST_F(Capture, APaletteDeviceWithAnotherPaletteSizeGetsNoPalette)
{
    platform::draw::DeviceCaps device = platform::draw::DeviceCaps::paletteDevice256(1024, 768);
    device.systemPalette.resize(16);
    gdi->setScreenCaps(device);
    ASSERT_TRUE(panetest::settle([&] { return pane.ShowParentImage(); }));
    EXPECT_EQ(pane.Picture().palette, nullptr);
    EXPECT_EQ(pane.Picture().hPal, 0);
    EXPECT_EQ(gdi->calls["CreatePalette"], 0);
}

class CaptureFailure : public Capture, public testing::WithParamInterface<const char*> {};

// Whichever call fails, every device context, bitmap and palette taken so
// far is given back, and the error reaches the caller.
TEST_P(CaptureFailure, GivesBackEverythingItTook)
{
    pane.setBackStyle(Sheerpane::Opaque);
    paintForm();
    gdi->setScreenCaps(platform::draw::DeviceCaps::paletteDevice256(1024, 768));
    gdi->failIn = GetParam();
    try {
        pane.CaptureSelf();
        FAIL() << "no error from " << GetParam();
    } catch (const platform::PlatformError& error) {
        EXPECT_NE(error.description().find(GetParam()), std::string::npos) << error.description();
    }
    EXPECT_EQ(gdi->census(), WindowGdi::Census{});
    gdi->failIn.clear();
    EXPECT_FALSE(pane.CaptureSelf().empty());
    EXPECT_EQ(gdi->census(), WindowGdi::Census{});
}

INSTANTIATE_TEST_SUITE_P(Calls, CaptureFailure,
                         testing::Values("GetWindowDC", "CreateCompatibleDC", "CreateCompatibleBitmap",
                                         "SelectObject", "GetDeviceCaps", "GetSystemPaletteEntries",
                                         "CreatePalette", "SelectPalette", "RealizePalette", "BitBlt",
                                         "OleCreatePictureIndirect"));

TEST_F(Capture, CaptureWindowReadsAnyPartOfAWindowAndOwnsWhatItReturns)
{
    const std::int32_t formHandle = sheerpane::windowHandleOf(*placed.form);
    const sheerpane::StdPicture part = pane.CaptureWindow(formHandle, true, 10, 20, 30, 15);
    ASSERT_FALSE(part.empty());
    EXPECT_EQ(part.image().convertToFormat(QImage::Format_RGB32), expectedBehind(QRect(10, 20, 30, 15)));
    EXPECT_EQ(gdi->census(), WindowGdi::Census{});
    EXPECT_TRUE(pane.CaptureWindow(formHandle, true, 0, 0, 0, 10).empty());
    EXPECT_THROW(pane.CaptureWindow(0x7FFFFFFF, true, 0, 0, 10, 10), platform::PlatformError);
    EXPECT_EQ(gdi->census(), WindowGdi::Census{});
}

TEST(CaptureAtDesignTime, NothingIsCaptured)
{
    FormWithPane placed(false);
    auto gdi = std::make_shared<TestGdi>();
    placed.pane->setWindowGdi(gdi);
    placed.form->show();
    placed.form->repaint();
    panetest::settle();
    EXPECT_EQ(gdi->calls["GetWindowDC"], 0);
    EXPECT_FALSE(placed.pane->ShowParentImage());
}

} // namespace
