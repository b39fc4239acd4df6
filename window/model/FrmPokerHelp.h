#pragma once
// The main window's help: its help context (the topic F1 and the Help button
// show), the start-up step that registers the window and its hidden Help
// button with the shared help wrapper (key preview on), the report of a
// failure there, and Help > Contents.

namespace window {

class FrmPoker;

// Sets the help context and the Form_Load hooks; call before Form_Load.
void wireHelp(FrmPoker& frm);

// What Help > Contents does: the contents of the application's help file,
// owned by the main window.
void openHelpContents(FrmPoker& frm);

} // namespace window
