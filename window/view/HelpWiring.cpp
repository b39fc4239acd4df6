#include "window/view/HelpWiring.h"

#include "window/model/FrmPoker.h"

namespace window::view {

void wireWindowHelp(FrmPoker& frm)
{
    // The help file and its viewer come with the help wrapper; until then
    // Help > Contents opens nothing.
    frm.menuHooks.openContents = [](FrmPoker&) {};
}

} // namespace window::view
