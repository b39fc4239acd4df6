#include "help/basErrorHandle.h"

#include <unistd.h>

#include <array>
#include <cstdio>

#include "help/basHtmlHelp.h"
#include "platform/PlatformError.h"
#include "platform/ports/MessageBoxPort.h"

namespace help {

std::string ApplicationName()
{
    const std::string& configured = CurrentHelpPlatform().applicationName;
    if (!configured.empty())
        return configured;
    std::array<char, 4096> buffer{};
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0)
        return "Brisvane Tablewise";
    const std::string path(buffer.data(), static_cast<std::size_t>(length));
    return path.substr(path.rfind('/') + 1);
}

std::string ErrorTitle(std::string_view applicationName)
{
    std::string title = "[";
    title += applicationName;
    title += "]";
    title += " Error";
    return title;
}

std::string ErrorText(long number, std::string_view description, long lineNumber, std::string_view extraText,
                      std::string_view procedureName, std::string_view moduleName)
{
    std::string text = std::to_string(number) + ": ";
    text += description;
    if (lineNumber > 0 || !procedureName.empty() || !moduleName.empty()) {
        // "in Procedure of Module"; a missing name leaves out its part.
        text += "\r\nin ";
        text += procedureName;
        if (!procedureName.empty() && !moduleName.empty())
            text += " of ";
        text += moduleName;
        if (lineNumber > 0) {
            if (!procedureName.empty() || !moduleName.empty())
                text += ' ';
            text += "line " + std::to_string(lineNumber);
        }
    }
    if (!extraText.empty()) {
        text += "\r\n";
        text += extraText;
    }
    return text;
}

void HandleError(const platform::PlatformError& err, long lineNumber, std::string_view extraText,
                 std::string_view procedureName, std::string_view moduleName)
{
    const std::string text = ErrorText(err.number(), err.description(), lineNumber, extraText, procedureName, moduleName);
    const std::string title = ErrorTitle(ApplicationName());
    if (platform::MessageBoxPort* box = CurrentHelpPlatform().messageBox) {
        box->show(text, platform::MbOkOnly | platform::MbExclamation, title);
        return;
    }
    // No stream library here: the program would set it up at every start.
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

} // namespace help
