#include "window/model/Product.h"

namespace window {

std::string siteAddressShown()
{
    std::string_view a = kSiteAddress;
    if (const auto scheme = a.find("://"); scheme != std::string_view::npos)
        a.remove_prefix(scheme + 3);
    if (a.ends_with('/'))
        a.remove_suffix(1);
    std::string shown(a);
    for (char& c : shown)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return shown;
}

std::string versionNumber()
{
    return std::to_string(kVersion.major) + "." + std::to_string(kVersion.minor) + "." + std::to_string(kVersion.revision);
}

std::string versionText()
{
    return "Version " + versionNumber();
}

} // namespace window
