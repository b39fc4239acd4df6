#pragma once
// A picture object: a bitmap, with the palette it was captured with (none on
// true-colour devices). Copies share the same image.

#include <cstdint>

#include <QImage>

#include "platform/draw/DeviceContext.h"

namespace sheerpane {

inline constexpr std::uint32_t PICTYPE_NONE = 0;
inline constexpr std::uint32_t PICTYPE_BITMAP = 1;

struct StdPicture {
    std::uint32_t type = PICTYPE_NONE;
    // The handles the bitmap and the palette had when the picture took them.
    std::int32_t handle = 0;
    std::int32_t hPal = 0;
    platform::draw::Bitmap bitmap;
    platform::draw::Palette palette;

    bool empty() const noexcept { return !bitmap || bitmap->isNull(); }
    QImage image() const { return empty() ? QImage() : *bitmap; }
};

// How a picture is described to OleCreatePictureIndirect (the bitmap form of
// the platform's 20-byte layout).
struct PictDesc {
    std::uint32_t cbSizeofstruct = 0;
    std::uint32_t picType = PICTYPE_NONE;
    std::int32_t hbitmap = 0;
    std::int32_t hpal = 0;
    std::int32_t unused = 0;
};
static_assert(sizeof(PictDesc) == 20);

} // namespace sheerpane
