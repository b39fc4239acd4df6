#include "help/CFormHtmlHelpHandler.h"

#include "help/CHtmlHelp.h"
#include "help/basHtmlHelp.h"
#include "platform/PlatformError.h"
#include "platform/form/Form.h"
#include "platform/form/Input.h"
#include "platform/form/StaticControls.h"

namespace help {

void CFormHtmlHelpHandler::Init(platform::Form& rfrm, platform::CommandButton* rcmdHelp,
                                std::string_view vstrHelpFileNameOrFullPath,
                                const std::shared_ptr<CHtmlHelp>& robjParent, bool vfKeyPreview)
{
    try {
        unsubscribe();
        // The events hold the handler, as a subscription holds its listener.
        const std::shared_ptr<CFormHtmlHelpHandler> self = shared_from_this();
        mfrm = &rfrm;
        keyDownSubscription_ = rfrm.keyDown.connect([self](int& keyCode, int shift) { self->mfrm_KeyDown(keyCode, shift); });
        queryUnloadSubscription_ =
            rfrm.queryUnload.connect([self](int& cancel, int mode) { self->mfrm_QueryUnload(cancel, mode); });
        rfrm.setKeyPreview(vfKeyPreview);
        mlngHWnd = rfrm.hWnd();
        mfTerminated = false;
        if (rcmdHelp) {
            mcmdHelp = rcmdHelp;
            clickSubscription_ = rcmdHelp->click.connect([self] { self->mcmdHelp_Click(); });
        }
        // The application's help file is resolved by each request.
        mstrHelpFile = vstrHelpFileNameOrFullPath.empty() ? DefaultHelpFile()
                                                          : ResolveHelpFilePath(vstrHelpFileNameOrFullPath);
        mobjParent = robjParent;
    } catch (const platform::PlatformError&) {
    }
}

void CFormHtmlHelpHandler::unsubscribe()
{
    if (mcmdHelp) {
        mcmdHelp->click.disconnect(clickSubscription_);
        mcmdHelp = nullptr;
    }
    if (mfrm) {
        mfrm->keyDown.disconnect(keyDownSubscription_);
        mfrm->queryUnload.disconnect(queryUnloadSubscription_);
        mfrm = nullptr;
    }
}

void CFormHtmlHelpHandler::Terminate()
{
    if (mfTerminated)
        return;
    try {
        GetHtmlHelp()->CloseHelpWindows(mlngHWnd);
        unsubscribe();
        mfTerminated = true;
    } catch (const platform::PlatformError&) {
    }
}

void CFormHtmlHelpHandler::mcmdHelp_Click()
{
    try {
        GetHtmlHelp()->OpenTOC(mstrHelpFile, mlngHWnd);
        ShowContextHelp();
    } catch (const platform::PlatformError&) {
    }
}

void CFormHtmlHelpHandler::ShowContextHelp()
{
    // Each step runs even if the one before failed.
    long contextId = 0;
    try {
        if (mfrm)
            contextId = mfrm->helpContextId();
    } catch (const platform::PlatformError&) {
    }
    try {
        GetHtmlHelp()->OpenContext(static_cast<std::int32_t>(contextId), mstrHelpFile, mlngHWnd);
    } catch (const platform::PlatformError&) {
    }
}

void CFormHtmlHelpHandler::mfrm_KeyDown(int& KeyCode, int)
{
    if (KeyCode != platform::KeyF1)
        return;
    ShowContextHelp();
    KeyCode = 0;
}

void CFormHtmlHelpHandler::mfrm_QueryUnload(int& Cancel, int)
{
    try {
        if (const std::shared_ptr<CHtmlHelp> parent = mobjParent.lock()) {
            if (mfrm)
                parent->FormClosing(*mfrm);
        }
        mobjParent.reset();
        if (Cancel == 0)
            Terminate();
    } catch (const platform::PlatformError&) {
    }
}

} // namespace help
