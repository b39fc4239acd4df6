#include <gtest/gtest.h>

#include "DrawFixture.h"
#include "platform/draw/Gdi.h"

namespace {

using namespace platform::draw;
using drawtest::Canvas;

TEST(BitBlt, CopiesTheRectangleAndOnlyWhatTheSourceHas)
{
    Canvas source(10, 10);
    source.image->fill(QColor(10, 20, 30));
    Canvas target(20, 20);
    ASSERT_TRUE(BitBlt(target.dc, 5, 5, 20, 20, source.dc, 4, 4, SRCCOPY));
    // Source pixels 4..9 land at 5..10; beyond the source nothing changes.
    EXPECT_EQ(target.row(7, qRgb(10, 20, 30)), ".....######.........");
    EXPECT_EQ(target.column(7, qRgb(10, 20, 30)), ".....######.........");
    EXPECT_FALSE(BitBlt(target.dc, 0, 0, 5, 5, source.dc, 0, 0, 0x00EE0086)); // SRCPAINT
}

TEST(BitBlt, HonoursTheTargetsClipAndCopiesWithinOneImage)
{
    Canvas canvas(20, 4);
    for (int x = 0; x < 10; ++x)
        canvas.image->setPixel(x, 0, qRgb(x * 20, 0, 0));
    BitBlt(canvas.dc, 2, 0, 10, 1, canvas.dc, 0, 0, SRCCOPY);
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(canvas.at(x + 2, 0), qRgb(x * 20, 0, 0)) << x;

    Canvas clipped(10, 1);
    ExcludeClipRect(clipped.dc, 3, 0, 6, 1);
    Canvas red(10, 1);
    red.image->fill(Qt::red);
    BitBlt(clipped.dc, 0, 0, 10, 1, red.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(clipped.row(0, 0xFFFF0000), "###...####");
}

TEST(DeviceCaps, AnImageIsATrueColourDevice)
{
    Canvas canvas(64, 32);
    EXPECT_EQ(GetDeviceCaps(canvas.dc, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(canvas.dc, RASTERCAPS) & RC_PALETTE, 0);
    EXPECT_EQ(GetDeviceCaps(canvas.dc, SIZEPALETTE), 0);
    EXPECT_EQ(GetDeviceCaps(canvas.dc, HORZRES), 64);
    QRgb entries[4] = {};
    EXPECT_EQ(GetSystemPaletteEntries(canvas.dc, 0, 4, entries), 0u);
    EXPECT_EQ(RealizePalette(canvas.dc), 0u);
}

TEST(DeviceCaps, AFakedPaletteDeviceTakesThePalettePath)
{
    Canvas screen(8, 8);
    screen.dc.setCaps(DeviceCaps::paletteDevice256(8, 8));
    EXPECT_EQ(GetDeviceCaps(screen.dc, BITSPIXEL), 8);
    EXPECT_NE(GetDeviceCaps(screen.dc, RASTERCAPS) & RC_PALETTE, 0);
    EXPECT_EQ(GetDeviceCaps(screen.dc, SIZEPALETTE), 256);

    std::vector<QRgb> entries(256);
    ASSERT_EQ(GetSystemPaletteEntries(screen.dc, 0, 256, entries.data()), 256u);
    EXPECT_EQ(entries.front(), qRgb(0, 0, 0));
    EXPECT_EQ(entries.back(), qRgb(255, 255, 255));
    EXPECT_EQ(GetSystemPaletteEntries(screen.dc, 250, 10, entries.data()), 6u);

    // A memory context like the screen, with the palette realised, holds
    // palette colours only.
    DeviceContext memory = CreateCompatibleDC(screen.dc);
    SelectObject(memory, CreateCompatibleBitmap(screen.dc, 8, 8));
    const Palette palette = CreatePalette(std::vector<QRgb>(entries.begin(), entries.begin() + 256));
    ASSERT_TRUE(palette);
    EXPECT_FALSE(SelectPalette(memory, palette, false));
    EXPECT_EQ(RealizePalette(memory), 256u);
    screen.image->fill(QColor(250, 3, 3));
    ASSERT_TRUE(BitBlt(memory, 0, 0, 8, 8, screen.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(memory.bitmap()->pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(SelectPalette(memory, nullptr, false), palette);

    EXPECT_FALSE(CreatePalette({}));
    EXPECT_FALSE(CreatePalette(std::vector<QRgb>(257)));
}

} // namespace
