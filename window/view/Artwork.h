#pragma once
// The program's pictures: the logo, the hand pointer over the links, the
// program's icon. They are drawn by art/ArtworkPainter and stored with the
// program.

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <array>

namespace window::view {

// 221 x 200 at one device pixel a pixel.
QPixmap logoPicture();
// 32 x 32, two colours, its hot spot on the fingertip.
QCursor handCursor();
// The program's icon at each of these sizes (installed for the desktop too).
inline constexpr std::array kProgramIconSizes{16, 32, 48, 64, 128, 256};
QIcon programIcon();

// A picture made to fit `size` (on screens that scale the window's units).
QPixmap scaledTo(const QPixmap& picture, QSize size);

} // namespace window::view
