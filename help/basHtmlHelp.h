#pragma once
// The shared help wrapper and the help file's name and place.

#include <memory>
#include <string>
#include <string_view>

#include "help/HelpPlatform.h"

namespace help {

class CHtmlHelp;

// The shared wrapper, created with the current help platform on first use.
std::shared_ptr<CHtmlHelp> GetHtmlHelp();

// An empty name means DefaultHelpFile; a name with no "/" or "\" is looked up
// in the program's folder; any other name is a path and stays as it is.
std::string ResolveHelpFilePath(std::string_view name);

// The folder of the running program, with a "/" at the end.
std::string AppFolder();

// The application's help file name (a bare name).
std::string DefaultHelpFile();

// What a wrapper created from now on works with.
void SetHelpPlatform(HelpPlatform platform);
const HelpPlatform& CurrentHelpPlatform();

// Terminates the shared wrapper (closing its viewer windows, uninitialising
// the viewer) and drops it; the next GetHtmlHelp creates a new one.
void ReleaseHtmlHelp();

// The help set-up of a program run: the platform for as long as the session
// lives; at its end the shared wrapper is released, so a program ends its
// session before its viewer and its application object go.
class HtmlHelpSession {
public:
    explicit HtmlHelpSession(HelpPlatform platform);
    ~HtmlHelpSession();
    HtmlHelpSession(const HtmlHelpSession&) = delete;
    HtmlHelpSession& operator=(const HtmlHelpSession&) = delete;
};

} // namespace help
