#pragma once
// A device context over an image: the bitmap it draws on and the objects
// selected into it (pen, font, palette), text colour, background mode and
// colour, and a clip region. Shapes are outlines only (no brush is modelled).
// Text is never antialiased, so every drawn pixel has the text colour.

#include <memory>
#include <optional>
#include <vector>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include "platform/draw/ColourRef.h"
#include "platform/draw/DeviceCaps.h"
#include "platform/draw/Pen.h"

namespace platform::draw {

using Bitmap = std::shared_ptr<QImage>;
using Palette = std::shared_ptr<const std::vector<QRgb>>;

enum BackgroundMode : int { TRANSPARENT = 1, OPAQUE = 2 };

class DeviceContext {
public:
    DeviceContext() = default;
    explicit DeviceContext(Bitmap bitmap);

    const Bitmap& bitmap() const noexcept { return bitmap_; }
    Bitmap selectBitmap(Bitmap bitmap);

    const Pen& pen() const noexcept { return pen_; }
    Pen selectPen(const Pen& pen);
    const QFont& font() const noexcept { return font_; }
    QFont selectFont(const QFont& font);

    ColourRef textColour() const noexcept { return textColour_; }
    ColourRef setTextColour(ColourRef colour);
    ColourRef backgroundColour() const noexcept { return backgroundColour_; }
    ColourRef setBackgroundColour(ColourRef colour);
    int backgroundMode() const noexcept { return backgroundMode_; }
    int setBackgroundMode(int mode);

    // No region: drawing reaches the whole bitmap.
    const std::optional<QRegion>& clip() const noexcept { return clip_; }
    void setClip(std::optional<QRegion> clip) { clip_ = std::move(clip); }

    // Capabilities follow the bitmap unless a test fixed them.
    DeviceCaps caps() const;
    void setCaps(DeviceCaps caps) { fixedCaps_ = std::move(caps); }

    const Palette& palette() const noexcept { return palette_; }
    Palette selectPalette(Palette palette);
    bool paletteRealized() const noexcept { return paletteRealized_; }
    void setPaletteRealized(bool realized) { paletteRealized_ = realized; }

    // A painter on the bitmap set up as this context draws: aliased, clipped.
    // The context must have a bitmap.
    void preparePainter(QPainter& painter) const;

private:
    Bitmap bitmap_;
    Pen pen_{PS_SOLID, 1, 0};
    QFont font_;
    ColourRef textColour_ = 0;
    ColourRef backgroundColour_ = RGB(255, 255, 255);
    int backgroundMode_ = OPAQUE;
    std::optional<QRegion> clip_;
    std::optional<DeviceCaps> fixedCaps_;
    Palette palette_;
    bool paletteRealized_ = false;
};

// The drawing calls. Each returns what its platform counterpart returns.
Pen SelectObject(DeviceContext& dc, const Pen& pen);
QFont SelectObject(DeviceContext& dc, const QFont& font);
Bitmap SelectObject(DeviceContext& dc, Bitmap bitmap);
ColourRef SetTextColor(DeviceContext& dc, ColourRef colour);
ColourRef SetBkColor(DeviceContext& dc, ColourRef colour);
int SetBkMode(DeviceContext& dc, int mode);
int GetDeviceCaps(const DeviceContext& dc, int index);

DeviceContext CreateCompatibleDC(const DeviceContext& dc);
Bitmap CreateCompatibleBitmap(const DeviceContext& dc, int width, int height);

} // namespace platform::draw
