#pragma once
// Modal message boxes.

#include <string>

namespace platform {

// Buttons and icon of a message box, combined with |.
enum MessageBoxStyle : unsigned {
    MbOkOnly = 0x00, MbOkCancel = 0x01, MbYesNo = 0x04,                            // buttons
    MbCritical = 0x10, MbQuestion = 0x20, MbExclamation = 0x30, MbInformation = 0x40, // icons
};

// The button that closed a message box.
enum MessageBoxResult : int { MbResultOk = 1, MbResultCancel = 2, MbResultYes = 6, MbResultNo = 7 };

class MessageBoxPort {
public:
    virtual ~MessageBoxPort() = default;
    // Shows the box modally and returns the button that closed it.
    virtual int show(const std::string& prompt, unsigned style, const std::string& title) = 0;
    // The same, with the reason for what the prompt reports in a second text
    // below it. A box that has no room for it shows the prompt alone.
    virtual int showWithReason(const std::string& prompt, unsigned style, const std::string& title,
                               const std::string& reason)
    {
        static_cast<void>(reason);
        return show(prompt, style, title);
    }
};

} // namespace platform
