#include "window/view/PreFlopFrame.h"

#include <QFile>
#include <cstdio>

#include "framecontrol/UltiFrame.h"
#include "platform/PlatformError.h"
#include "platform/propertybag/BagText.h"
#include "window/view/Metrics.h"
#include "platform/qt/QtText.h"

namespace window::view {

namespace {

// The frame's design-time properties, stored with the window.
constexpr const char* kStoredProperties = ":/tablewise/forms/frmPoker.UltiFrame1.bag";

} // namespace

QWidget* makePreFlopFrame(const ControlLayout& layout, QWidget& parent)
{
    platform::Ambient ambient;
    ambient.userMode = true;
    ambient.displayName = std::string(layout.name);
    // The host's font: the window's, in points (which follow the screen's
    // density by themselves).
    ambient.font = {platform::qt::toUtf8(Metrics::familyFor(layout.font.family)), layout.font.points, layout.font.bold};
    auto* frame = new framecontrol::UltiFrame(&parent, ambient);
    QFile stored(QString::fromLatin1(kStoredProperties));
    try {
        if (!stored.open(QIODevice::ReadOnly))
            throw platform::PlatformError(53, "the frame's stored properties are missing");
        frame->ReadProperties(platform::readBagText(stored.readAll().toStdString()));
    } catch (const platform::PlatformError& e) {
        // A frame as first placed, with the designed caption: the window
        // still works.
        std::fprintf(stderr, "brisvane-tablewise: %s\n", e.what());
        frame->InitProperties();
        frame->setCaption(std::string(layout.caption));
    }
    return frame;
}

} // namespace window::view
