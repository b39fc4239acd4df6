#pragma once
// The product's names, its web site and its version: the one place each is
// written.

#include <string>
#include <string_view>

namespace window {

// The main window's caption.
inline constexpr std::string_view kProductName = "Brisvane Tablewise";
// The program's title, which its message boxes carry.
inline constexpr std::string_view kProgramTitle = "Tablewise";
// The web site's own name, as the Help menu names it.
inline constexpr std::string_view kSiteName = "Brisvane";
// Where the logo and the About window's address lead.
inline constexpr std::string_view kSiteAddress = "https://brisvane.example/";

struct ProgramVersion {
    int major;
    int minor;
    int revision;
};
inline constexpr ProgramVersion kVersion{TABLEWISE_VERSION_MAJOR, TABLEWISE_VERSION_MINOR, TABLEWISE_VERSION_REVISION};

// The address as the About window shows it: host and path in capitals,
// without the scheme or a closing slash ("BRISVANE.EXAMPLE").
std::string siteAddressShown();

// "1.0.8", and "Version 1.0.8".
std::string versionNumber();
std::string versionText();

} // namespace window
