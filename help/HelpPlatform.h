#pragma once
// What the help wrapper works with: the viewer, the window services, the
// message box of the error report and the application's name. The program
// sets it up once at start (HtmlHelpSession); tests set up fakes.

#include <string>

namespace platform {
class HelpViewerPort;
class MessageBoxPort;
class WindowApi;
} // namespace platform

namespace help {

struct HelpPlatform {
    platform::HelpViewerPort* viewer = nullptr;    // none: every request shows nothing
    platform::WindowApi* windows = nullptr;        // none: the process's window handles
    platform::MessageBoxPort* messageBox = nullptr; // none: error reports go to standard error
    std::string applicationName;                   // empty: the program file's name
};

} // namespace help
