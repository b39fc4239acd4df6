#pragma once
// A frame placed at run time with plain colours that are easy to find in its
// picture, and ways to look at the picture.

#include <memory>
#include <set>
#include <string>

#include <QImage>

#include "framecontrol/FrameLayout.h"
#include "framecontrol/UltiFrame.h"
#include "platform/draw/SystemColours.h"
#include "tests/support/FramePixels.h"

namespace frametest {

inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kRed = 0x0000FF; // stored colours are 0x00BBGGRR
inline constexpr std::uint32_t kGreen = 0x00FF00;
inline constexpr std::uint32_t kBlue = 0xFF0000;
inline constexpr std::uint32_t kGrey = 0x808080;

using testsupport::pixelOf;

inline platform::Ambient runAmbient(std::string name = "UltiFrame1")
{
    platform::Ambient ambient;
    ambient.userMode = true;
    ambient.displayName = std::move(name);
    ambient.font = platform::FontDesc{"DejaVu Sans", 9, true};
    return ambient;
}

// A placed frame, w x h pixels, white inside, black text, red flat border.
inline std::unique_ptr<framecontrol::UltiFrame> makeFrame(int w = 200, int h = 100, bool userMode = true,
                                                          QWidget* parent = nullptr)
{
    platform::Ambient ambient = runAmbient();
    ambient.userMode = userMode;
    auto frame = std::make_unique<framecontrol::UltiFrame>(parent, ambient);
    frame->InitProperties();
    frame->resize(w, h);
    frame->setBackColor(kWhite);
    frame->setForeColor(kBlack);
    frame->setBorderColor(kRed);
    frame->setBorderHighLightColor(kGreen);
    frame->setBorderShadowColor(kBlue);
    frame->setCaption("Pre-Flop");
    // Shown, so that Qt's pending resize events do not redraw it later.
    if (!parent)
        frame->show();
    return frame;
}

inline QImage render(framecontrol::UltiFrame& frame)
{
    return frame.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline std::string row(const QImage& image, int y, QRgb colour, int from = 0, int to = -1)
{
    std::string out;
    for (int x = from; x < (to < 0 ? image.width() : to); ++x)
        out += image.pixel(x, y) == colour ? '#' : '.';
    return out;
}

inline std::string column(const QImage& image, int x, QRgb colour, int from = 0, int to = -1)
{
    std::string out;
    for (int y = from; y < (to < 0 ? image.height() : to); ++y)
        out += image.pixel(x, y) == colour ? '#' : '.';
    return out;
}

inline int count(const QImage& image, QRgb colour, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) == colour ? 1 : 0;
    return n;
}

inline QRect toQRect(const platform::draw::Rect& rc)
{
    return QRect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

} // namespace frametest
