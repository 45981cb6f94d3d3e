// The property windows of the package's kinds: the window column of the list of kinds
// (package/Genres.def), read on the forms side so that the package's logic holds no Qt.
#pragma once

class TPropDockWidget;

// Registers the window of every kind with the dock, under the name its component asks for.
void EnregistreFenetresPaquet(TPropDockWidget& dock);
