#include "platform/sound/SoundRequest.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/sound/SoundFlags.h"
#include "platform/text/AsciiCase.h"

namespace platform {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 17> kAliases{{
    {"SystemAsterisk", "dialog-information"},
    {"SystemExclamation", "dialog-warning"},
    {"SystemHand", "dialog-error"},
    {"SystemQuestion", "dialog-question"},
    {"SystemDefault", "bell"},
    {".Default", "bell"},
    {"SystemNotification", "message"},
    {"SystemStart", "desktop-login"},
    {"SystemExit", "desktop-logout"},
    {"MailBeep", "message-new-email"},
    {"Open", "window-new"},
    {"Close", "window-close"},
    {"Minimize", "window-minimized"},
    {"Maximize", "window-maximized"},
    {"RestoreUp", "window-unmaximized"},
    {"RestoreDown", "window-unminimized"},
    {"DeviceConnect", "device-added"},
}};

} // namespace

std::string_view themeSoundName(std::string_view alias)
{
    for (const auto& [name, theme] : kAliases)
        if (text::equalsIgnoringCase(name, alias))
            return theme;
    return {};
}

SoundRequest describeSound(std::string_view fileOrAlias, unsigned flags)
{
    SoundRequest request;
    request.stopEarlier = (flags & SND_PURGE) != 0;
    request.wait = (flags & SND_ASYNC) == 0;
    request.fallbackToDefault = (flags & SND_NODEFAULT) == 0;
    if (fileOrAlias.empty()) {
        request.stopEarlier = true;
        request.wait = false;
        request.fallbackToDefault = false;
        return request;
    }

    const std::string_view theme = themeSoundName(fileOrAlias);
    const bool asAlias = (flags & SND_ALIAS) != 0 || ((flags & SND_FILENAME) == 0 && !theme.empty());
    if (asAlias) {
        request.source = SoundRequest::Source::Event;
        request.name = theme.empty() ? std::string(fileOrAlias) : std::string(theme);
        return request;
    }
    request.source = SoundRequest::Source::File;
    std::error_code error;
    const auto absolute = std::filesystem::absolute(std::filesystem::path(fileOrAlias), error);
    request.name = error ? std::string(fileOrAlias) : absolute.lexically_normal().string();
    return request;
}

} // namespace platform
