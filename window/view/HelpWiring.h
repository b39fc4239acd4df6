#pragma once
// The main window's help: what Form_Load registers and what Help > Contents
// opens.

namespace window {
class FrmPoker;
}

namespace window::view {

void wireWindowHelp(FrmPoker& frm);

} // namespace window::view
