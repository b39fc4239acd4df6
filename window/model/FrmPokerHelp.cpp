#include "window/model/FrmPokerHelp.h"

#include "help/CHtmlHelp.h"
#include "help/HelpContext.h"
#include "help/basErrorHandle.h"
#include "help/basHtmlHelp.h"
#include "window/model/FrmPoker.h"

namespace window {

void wireHelp(FrmPoker& frm)
{
    frm.form.setHelpContextId(help::kHelpContextMainWindow);
    frm.loadHooks.initFormHelp = [](FrmPoker& f) { help::GetHtmlHelp()->InitFormHelpHandler(f.form, &f.cmdHelp, true); };
    frm.loadHooks.reportLoadError = [](FrmPoker&, const platform::PlatformError& e) {
        help::HandleError(e, 0, {}, "Form_Load", "Form_Poker");
    };
}

void openHelpContents(FrmPoker& frm)
{
    help::GetHtmlHelp()->OpenTOC(help::DefaultHelpFile(), frm.form.hWnd());
}

} // namespace window
