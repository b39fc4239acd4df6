#pragma once
// The side effects a form may cause, each behind its own port. Whoever builds a
// form hands it the implementations: on screen, or headless ones that record.

namespace platform {

class MessageBoxPort;
class ShellOpenPort;
class SoundPort;
class HelpViewerPort;

struct Ports {
    MessageBoxPort* messageBox = nullptr;
    ShellOpenPort* shellOpen = nullptr;
    HelpViewerPort* helpViewer = nullptr;
    SoundPort* sound = nullptr;
};

} // namespace platform
