#pragma once
// A desktop for the help wrapper's tests: a recording viewer whose windows
// are handles of a private registry (one window per help file, as the viewer
// keeps them), a recording message box, and a log of the close messages and
// message-pump steps in the order they happened.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "help/basHtmlHelp.h"
#include "platform/handles/WindowHandleRegistry.h"
#include "tests/support/RecordingPorts.h"
#include "tests/support/RecordingHelpViewer.h"

namespace helptest {

class FakeDesktop {
public:
    FakeDesktop()
    {
        viewer.cookie = 77;
        viewer.respond = [this](const testsupport::RecordingHelpViewer::Call& call) -> std::intptr_t {
            if (!opens)
                return 0;
            std::intptr_t& handle = windowOfFile[call.file];
            if (!windows.isWindow(handle))
                handle = openWindow();
            return handle;
        };
        windows.setMessagePump([this] {
            log.push_back("pump");
            if (onPump)
                onPump();
        });
        help::ReleaseHtmlHelp();
        help::SetHelpPlatform({&viewer, &windows, &messageBox, "Brisvane Tablewise"});
    }
    ~FakeDesktop()
    {
        help::ReleaseHtmlHelp();
        help::SetHelpPlatform({});
    }
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    // A window that logs the close message and goes away on it.
    std::intptr_t openWindow()
    {
        auto self = std::make_shared<std::intptr_t>(0);
        *self = windows.allocate([this, self](unsigned message, std::intptr_t, std::intptr_t) {
            if (message == platform::WmClose) {
                log.push_back("close " + std::to_string(*self));
                windows.release(*self);
            }
            return std::intptr_t{0};
        });
        return *self;
    }

    std::vector<unsigned> commands() const
    {
        std::vector<unsigned> out;
        for (const auto& c : viewer.calls)
            out.push_back(c.command);
        return out;
    }

    testsupport::RecordingHelpViewer viewer;
    testsupport::RecordingMessageBox messageBox;
    platform::WindowHandleRegistry windows;
    std::map<std::string, std::intptr_t> windowOfFile;
    std::vector<std::string> log;
    std::function<void()> onPump;
    bool opens = true; // false: the viewer shows nothing (missing file, unknown topic)
};

} // namespace helptest
