#include "platform/htmlhelp/TopicBrowser.h"

#include <QDesktopServices>
#include <QImage>

#include "platform/htmlhelp/HelpFile.h"

namespace platform::chm {

namespace {
constexpr const char* kScheme = "chm";
}

TopicBrowser::TopicBrowser(const HelpFile& file, QWidget* parent) : QTextBrowser(parent), file_(file)
{
    setOpenLinks(true);
    setOpenExternalLinks(false);
}

QUrl TopicBrowser::urlOf(const QString& archivePath, const QString& fragment)
{
    QUrl url;
    url.setScheme(kScheme);
    url.setPath(archivePath);
    if (!fragment.isEmpty())
        url.setFragment(fragment);
    return url;
}

QString TopicBrowser::currentTopic() const
{
    return source().scheme() == kScheme ? source().path() : QString();
}

QVariant TopicBrowser::loadResource(int type, const QUrl& name)
{
    QUrl url = name;
    if (url.scheme().isEmpty() && !url.path().isEmpty())
        url = source().resolved(name);
    if (url.scheme() != kScheme)
        return {};
    const auto path = file_.findFile(url.path().toStdString());
    if (!path)
        return {};
    const auto bytes = file_.read(*path);
    if (!bytes)
        return {};
    const QByteArray content(bytes->data(), static_cast<qsizetype>(bytes->size()));
    if (type == QTextDocument::ImageResource) {
        QImage image;
        if (!image.loadFromData(content))
            return {};
        return image;
    }
    return QString::fromUtf8(content);
}

void TopicBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type)
{
    QUrl url = name;
    if (url.scheme().isEmpty())
        url = source().isValid() ? source().resolved(name) : urlOf(QStringLiteral("/") + name.path(), name.fragment());
    if (url.scheme() != kScheme) {
        QDesktopServices::openUrl(url);
        return;
    }
    QTextBrowser::doSetSource(url, type);
}

} // namespace platform::chm
