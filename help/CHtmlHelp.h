#pragma once
// The shared wrapper of the help viewer. It opens the help file's contents,
// index, search, topics and context topics, remembers each viewer window
// together with the window that asked for it, and closes them again. It also
// keeps the help handlers of the registered forms.
//
// Every operation ends silently at its first error, except
// InitFormHelpHandler, which reports it.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "help/HelpPlatform.h"
#include "platform/form/FormFwd.h"
#include "platform/ports/HelpViewerPort.h"

namespace help {

class CFormHtmlHelpHandler;

class CHtmlHelp : public std::enable_shared_from_this<CHtmlHelp> {
public:
    // Initialises the viewer and keeps its cookie.
    explicit CHtmlHelp(HelpPlatform platform);
    // Terminates, if that has not happened yet.
    ~CHtmlHelp();
    CHtmlHelp(const CHtmlHelp&) = delete;
    CHtmlHelp& operator=(const CHtmlHelp&) = delete;

    void OpenTOC(std::string_view vstrHelpFileNameOrFullPath, std::intptr_t vlngCallerHWND = 0);
    void OpenIndex(std::string_view vstrHelpFileNameOrFullPath, std::intptr_t vlngCallerHWND = 0,
                   std::string_view vstrIndexKeyWord = {});
    void OpenSearch(std::string_view vstrHelpFileNameOrFullPath, std::intptr_t vlngCallerHWND = 0);
    void OpenTopic(std::string_view vstrTopicFileName, std::string_view vstrHelpFileNameOrFullPath,
                   std::intptr_t vlngCallerHWND = 0);
    void OpenContext(std::int32_t vlngHelpContextId, std::string_view vstrHelpFileNameOrFullPath,
                     std::intptr_t vlngCallerHWND = 0);

    // Closes the viewer windows opened for the caller (for every caller when
    // it is 0), newest first, and forgets them.
    void CloseHelpWindows(std::intptr_t vlngCallerHWND = 0);
    void CloseAll();

    // Binds the form's F1 key and Help button to the help file; a failure is
    // reported in a message box.
    void InitFormHelpHandler(platform::Form& rfrm, platform::CommandButton* rcmdHelp, bool vfKeyPreview = false);
    // Forgets the form's handler (its form is closing).
    void FormClosing(platform::Form& rfrm);

    // Closes every viewer window and uninitialises the viewer; runs once.
    void Terminate();

    // What the wrapper holds, for inspection.
    const std::vector<std::string>& helpWindows() const noexcept { return mcolHelpWindows; }
    std::int32_t cookie() const noexcept { return mlngCookie; }
    bool terminated() const noexcept { return mfTerminated; }
    std::vector<std::string> handlerKeys() const;

private:
    void OpenHelp(std::string_view file, std::intptr_t caller, unsigned command, std::string_view keyword);
    void AddHelpWindow(std::intptr_t caller, std::intptr_t viewer);
    std::intptr_t callViewer(std::intptr_t caller, const std::string& file, unsigned command,
                             const platform::HelpData& data);

    HelpPlatform platform_;
    std::vector<std::string> mcolHelpWindows;
    std::int32_t mlngCookie = 0;
    std::vector<std::pair<std::string, std::shared_ptr<CFormHtmlHelpHandler>>> mcolHandlers;
    bool mfTerminated = false;
};

} // namespace help
