#include "framecontrol/MousePointers.h"

namespace framecontrol {

bool isMousePointer(std::int32_t pointer)
{
    return (pointer >= 0 && pointer <= 15) || pointer == kPointerCustom;
}

std::optional<Qt::CursorShape> cursorShapeOf(std::int32_t pointer)
{
    switch (pointer) {
    case 1: return Qt::ArrowCursor;
    case 2: return Qt::CrossCursor;
    case 3: return Qt::IBeamCursor;
    case 4: return Qt::ArrowCursor;       // icon: a small square on older desktops
    case 5: return Qt::SizeAllCursor;     // size
    case 6: return Qt::SizeBDiagCursor;   // size north-east south-west
    case 7: return Qt::SizeVerCursor;     // size north south
    case 8: return Qt::SizeFDiagCursor;   // size north-west south-east
    case 9: return Qt::SizeHorCursor;     // size west east
    case 10: return Qt::UpArrowCursor;
    case 11: return Qt::WaitCursor;       // hourglass
    case 12: return Qt::ForbiddenCursor;  // no drop
    case 13: return Qt::BusyCursor;       // arrow and hourglass
    case 14: return Qt::WhatsThisCursor;  // arrow and question mark
    case 15: return Qt::SizeAllCursor;    // size all
    default: return std::nullopt;
    }
}

} // namespace framecontrol
