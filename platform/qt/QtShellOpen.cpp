#include "platform/qt/QtShellOpen.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QUrl>

namespace platform {

std::string desktopRefusalReason(const QString& platformName, bool openerInstalled, const QString& browserVariable)
{
    if (platformName == QLatin1String("offscreen") || platformName == QLatin1String("minimal"))
        return "The program runs without a desktop (display platform \"" + platformName.toStdString()
            + "\"), so no browser can be started.";
    if (openerInstalled)
        return "The desktop's opener, xdg-open, could not be started.";
    if (!browserVariable.isEmpty())
        return "The browser that BROWSER names (\"" + browserVariable.toStdString() + "\") could not be started.";
    return "No browser was found: xdg-open is not installed and BROWSER names no browser.";
}

bool QtShellOpen::open(const std::string& target)
{
    reason_.clear();
    const QUrl url(QString::fromStdString(target), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) {
        reason_ = "\"" + target + "\" is not a web address.";
        return false;
    }
    if (QDesktopServices::openUrl(url))
        return true;
    reason_ = desktopRefusalReason(QGuiApplication::platformName(),
                                   !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty(),
                                   qEnvironmentVariable("BROWSER"));
    return false;
}

} // namespace platform
