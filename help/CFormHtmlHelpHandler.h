#pragma once
// Binds one form to the help: F1 (with key preview, from any control) shows
// the form's own topic, its Help button shows the contents and then that
// topic, and closing the form closes the viewer windows it opened.
//
// The form's and the button's events hold the handler, so it lives as long
// as it is subscribed, whether or not the wrapper still lists it.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/form/FormFwd.h"

namespace help {

class CHtmlHelp;

class CFormHtmlHelpHandler : public std::enable_shared_from_this<CFormHtmlHelpHandler> {
public:
    CFormHtmlHelpHandler() = default;
    CFormHtmlHelpHandler(const CFormHtmlHelpHandler&) = delete;
    CFormHtmlHelpHandler& operator=(const CFormHtmlHelpHandler&) = delete;

    // An empty file name means the application's help file.
    void Init(platform::Form& rfrm, platform::CommandButton* rcmdHelp = nullptr,
              std::string_view vstrHelpFileNameOrFullPath = {}, const std::shared_ptr<CHtmlHelp>& robjParent = {},
              bool vfKeyPreview = false);
    // Closes the form's viewer windows and ends the subscriptions; runs once.
    void Terminate();

    const std::string& helpFile() const noexcept { return mstrHelpFile; }
    std::intptr_t hWnd() const noexcept { return mlngHWnd; }
    bool terminated() const noexcept { return mfTerminated; }
    bool hasParent() const noexcept { return !mobjParent.expired(); }

private:
    void mcmdHelp_Click();
    void mfrm_KeyDown(int& KeyCode, int Shift);
    void mfrm_QueryUnload(int& Cancel, int UnloadMode);
    void ShowContextHelp();
    void unsubscribe();

    platform::Form* mfrm = nullptr;
    int keyDownSubscription_ = 0;
    int queryUnloadSubscription_ = 0;
    platform::CommandButton* mcmdHelp = nullptr;
    int clickSubscription_ = 0;
    std::string mstrHelpFile;
    std::intptr_t mlngHWnd = 0;
    // Weak: the wrapper owns its handlers, not the other way round.
    std::weak_ptr<CHtmlHelp> mobjParent;
    bool mfTerminated = false;
};

} // namespace help
