#include "platform/qt/QtShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool QtShellOpen::open(const std::string& target)
{
    const QUrl url(QString::fromStdString(target), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return false;
    return QDesktopServices::openUrl(url);
}

} // namespace platform
