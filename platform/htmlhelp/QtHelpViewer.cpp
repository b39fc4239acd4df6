#include "platform/htmlhelp/QtHelpViewer.h"

#include <QFileInfo>
#include <exception>

#include "platform/handles/QtWindowHandles.h"
#include "platform/htmlhelp/HelpFile.h"
#include "platform/htmlhelp/HelpViewerWindow.h"

namespace platform::chm {

namespace {

QString canonicalPath(const std::string& file)
{
    if (file.empty())
        return {};
    return QFileInfo(QString::fromStdString(file)).canonicalFilePath();
}

// A window that has closed but is not deleted yet counts as gone.
HelpViewerWindow* openOrNull(HelpViewerWindow* window)
{
    if (window == nullptr || window->handle() == 0)
        return nullptr;
    return window;
}

} // namespace

QtHelpViewer::QtHelpViewer()
{
    installQtMessagePump();
}

QtHelpViewer::~QtHelpViewer()
{
    closeAll();
}

void QtHelpViewer::closeAll()
{
    auto windows = std::move(windows_);
    windows_.clear();
    for (auto& [path, window] : windows)
        delete window.data();
}

HelpViewerWindow* QtHelpViewer::windowFor(const std::string& file) const
{
    const auto it = windows_.find(canonicalPath(file));
    return it == windows_.end() ? nullptr : openOrNull(it->second.data());
}

std::intptr_t QtHelpViewer::htmlHelp(std::intptr_t caller, const std::string& file, unsigned command,
                                    const HelpData& data)
{
    try {
        switch (command) {
        case HhInitialize:
            if (auto* const* out = std::get_if<std::int32_t*>(&data); out && *out) {
                **out = nextCookie_++;
                cookies_.insert(**out);
            }
            return 0;
        case HhUninitialize:
            if (const auto* cookie = std::get_if<std::int32_t>(&data); cookie && cookies_.erase(*cookie) != 0)
                if (cookies_.empty())
                    closeAll();
            return 0;
        default:
            return display(caller, file, command, data);
        }
    } catch (const std::exception&) {
        // Whatever goes wrong, the caller hears "nothing shown".
        return 0;
    }
}

HelpViewerWindow* QtHelpViewer::openWindow(const QString& path, bool& created)
{
    created = false;
    const auto it = windows_.find(path);
    if (HelpViewerWindow* open = it == windows_.end() ? nullptr : openOrNull(it->second.data()))
        return open;
    auto file = HelpFile::open(path.toStdString());
    if (!file)
        return nullptr;
    auto* window = new HelpViewerWindow(std::move(file));
    windows_[path] = window;
    created = true;
    return window;
}

std::intptr_t QtHelpViewer::display(std::intptr_t caller, const std::string& file, unsigned command,
                                   const HelpData& data)
{
    if (command != HhDisplayTopic && command != HhDisplayToc && command != HhDisplayIndex &&
        command != HhDisplaySearch && command != HhHelpContext)
        return 0;
    const QString path = canonicalPath(file);
    if (path.isEmpty())
        return 0;
    bool created = false;
    HelpViewerWindow* window = openWindow(path, created);
    if (!window)
        return 0;

    // A page that is not in the file shows nothing, and a window opened for
    // it goes again.
    bool shown = true;
    switch (command) {
    case HhDisplayTopic: {
        const auto* topic = std::get_if<std::string>(&data);
        shown = topic && !topic->empty() && window->showTopic(QString::fromStdString(*topic));
        break;
    }
    case HhHelpContext: {
        const auto* id = std::get_if<std::int32_t>(&data);
        const auto topic = id ? window->helpFile().topicForContext(*id) : std::nullopt;
        shown = topic && window->showTopic(QString::fromStdString(*topic));
        break;
    }
    case HhDisplayToc:
        window->showContents();
        break;
    case HhDisplayIndex: {
        const auto* keyword = std::get_if<std::string>(&data);
        window->showIndex(keyword ? QString::fromStdString(*keyword) : QString());
        break;
    }
    case HhDisplaySearch: {
        const auto* query = std::get_if<FullTextQuery>(&data);
        window->showSearch(query ? QString::fromStdString(query->pszSearchQuery) : QString(),
                           query && query->fExecute != 0);
        break;
    }
    default:
        break;
    }
    if (!shown) {
        if (created) {
            windows_.erase(path);
            delete window;
        }
        return 0;
    }
    // Owned by the window that asked, as the caller becomes the viewer's owner.
    window->setOwner(widgetForHandle(caller));
    window->bringToFront();
    return window->handle();
}

} // namespace platform::chm
