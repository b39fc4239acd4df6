#include "help/basHtmlHelp.h"

#include <unistd.h>

#include <array>

#include "help/CHtmlHelp.h"

namespace help {

namespace {

constexpr std::string_view kDefaultHelpFile = "BV_Tablewise.chm";

std::shared_ptr<CHtmlHelp>& sharedHtmlHelp()
{
    static std::shared_ptr<CHtmlHelp> instance;
    return instance;
}

HelpPlatform& helpPlatform()
{
    static HelpPlatform platform;
    return platform;
}

} // namespace

std::shared_ptr<CHtmlHelp> GetHtmlHelp()
{
    std::shared_ptr<CHtmlHelp>& instance = sharedHtmlHelp();
    if (!instance)
        instance = std::make_shared<CHtmlHelp>(helpPlatform());
    return instance;
}

std::string ResolveHelpFilePath(std::string_view name)
{
    const std::string file = name.empty() ? DefaultHelpFile() : std::string(name);
    if (file.find_first_of("\\/") == std::string::npos)
        return AppFolder() + file;
    return file;
}

std::string AppFolder()
{
    std::array<char, 4096> buffer{};
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size() - 1)
        return "./"; // the program's place is unknown: the working folder
    std::string path(buffer.data(), static_cast<std::size_t>(length));
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

std::string DefaultHelpFile()
{
    return std::string(kDefaultHelpFile);
}

void SetHelpPlatform(HelpPlatform platform)
{
    helpPlatform() = std::move(platform);
}

const HelpPlatform& CurrentHelpPlatform()
{
    return helpPlatform();
}

void ReleaseHtmlHelp()
{
    std::shared_ptr<CHtmlHelp> instance = std::move(sharedHtmlHelp());
    sharedHtmlHelp().reset();
    if (instance)
        instance->Terminate();
}

HtmlHelpSession::HtmlHelpSession(HelpPlatform platform)
{
    ReleaseHtmlHelp();
    SetHelpPlatform(std::move(platform));
}

HtmlHelpSession::~HtmlHelpSession()
{
    ReleaseHtmlHelp();
    SetHelpPlatform({});
}

} // namespace help
