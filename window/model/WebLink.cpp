#include "window/model/WebLink.h"

#include <string>

#include "platform/ports/MessageBoxPort.h"
#include "platform/ports/ShellOpenPort.h"
#include "window/model/Product.h"

namespace window {

void openLink(const platform::Ports& ports, std::string_view address)
{
    const bool opened = ports.shellOpen && ports.shellOpen->open(std::string(address));
    if (opened || !ports.messageBox)
        return;
    const std::string reason = ports.shellOpen ? ports.shellOpen->refusalReason()
                                               : "There is no desktop to open the page with.";
    ports.messageBox->showWithReason("Error occured", platform::MbOkOnly, std::string(kProgramTitle), reason);
}

} // namespace window
