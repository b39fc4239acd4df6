#include "platform/qt/MousePointers.h"

#include <array>

namespace platform::qt {

namespace {

// Pointers 1 to 15.
constexpr std::array<Qt::CursorShape, 15> kShapes = {
    Qt::ArrowCursor,     // 1 arrow
    Qt::CrossCursor,     // 2 cross
    Qt::IBeamCursor,     // 3 I-beam
    Qt::ArrowCursor,     // 4 icon
    Qt::SizeAllCursor,   // 5 size
    Qt::SizeBDiagCursor, // 6 size north-east south-west
    Qt::SizeVerCursor,   // 7 size north south
    Qt::SizeFDiagCursor, // 8 size north-west south-east
    Qt::SizeHorCursor,   // 9 size west east
    Qt::UpArrowCursor,   // 10 up arrow
    Qt::WaitCursor,      // 11 hourglass
    Qt::ForbiddenCursor, // 12 no drop
    Qt::BusyCursor,      // 13 arrow and hourglass
    Qt::WhatsThisCursor, // 14 arrow and question mark
    Qt::SizeAllCursor,   // 15 size all
};

} // namespace

bool isMousePointer(int pointer)
{
    return (pointer >= 0 && pointer <= 15) || pointer == kPointerCustom;
}

std::optional<Qt::CursorShape> cursorShapeOf(int pointer)
{
    if (pointer < 1 || pointer > 15)
        return std::nullopt;
    return kShapes[static_cast<std::size_t>(pointer - 1)];
}

} // namespace platform::qt
