#include "platform/qt/SystemPalette.h"

#include <QApplication>

namespace platform::qt {

QPalette systemPalette()
{
    const QPalette app = QApplication::palette();
    QPalette p;
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        const auto group = static_cast<QPalette::ColorGroup>(g);
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto role = static_cast<QPalette::ColorRole>(r);
            p.setColor(group, role, app.color(group, role));
        }
    }
    return p;
}

} // namespace platform::qt
