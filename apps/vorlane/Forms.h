// Registers every form of the package with the editor: modal dialogs with the user-interface
// service, property windows with the dock.
#pragma once

class TPropDockWidget;
class TQtUserInterface;

void RegisterForms(TQtUserInterface& ui, TPropDockWidget& dock);
