#pragma once
// The help-viewer port on screen: one viewer window per help file, reused by
// every later command on that file, until the window closes. The caller
// window of a command owns the viewer window that shows it.

#include <QPointer>
#include <QString>
#include <map>
#include <set>

#include "platform/ports/HelpViewerPort.h"

namespace platform::chm {

class HelpViewerWindow;

class QtHelpViewer final : public HelpViewerPort {
public:
    QtHelpViewer();
    ~QtHelpViewer() override; // closes the windows still open
    QtHelpViewer(const QtHelpViewer&) = delete;
    QtHelpViewer& operator=(const QtHelpViewer&) = delete;

    std::intptr_t htmlHelp(std::intptr_t caller, const std::string& file, unsigned command,
                           const HelpData& data) override;

    // The open window of a help file (by its path as given), or null.
    HelpViewerWindow* windowFor(const std::string& file) const;
    void closeAll();

private:
    HelpViewerWindow* openWindow(const QString& canonicalPath, bool& created);
    std::intptr_t display(std::intptr_t caller, const std::string& file, unsigned command, const HelpData& data);

    std::map<QString, QPointer<HelpViewerWindow>> windows_;
    std::set<std::int32_t> cookies_;
    std::int32_t nextCookie_ = 0x5A17;
};

} // namespace platform::chm
