#pragma once
// Message boxes on screen: modal over the active window, with the buttons
// and the icon the style asks for, wide enough for the whole title on a
// desktop's title bar.

#include <QString>
#include <memory>

#include "platform/ports/MessageBoxPort.h"

class QMessageBox;
class QWidget;

namespace platform {

class QtMessageBox final : public MessageBoxPort {
public:
    int show(const std::string& prompt, unsigned style, const std::string& title) override;
    int showWithReason(const std::string& prompt, unsigned style, const std::string& title,
                       const std::string& reason) override;
};

// The box QtMessageBox shows, not yet shown; an empty reason adds no text.
std::unique_ptr<QMessageBox> makeMessageBox(const std::string& prompt, unsigned style, const std::string& title,
                                            const std::string& reason, QWidget* parent);

// The width a window needs for `title` on a desktop's title bar: the text in
// the title bar's face, with room for the icon and the buttons beside it.
int titleBarWidth(const QString& title);

} // namespace platform
