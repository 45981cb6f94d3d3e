// The entry points the host calls by name: the palette page, the package's options command.
#pragma once

#include "package/StringTable.h"

#include <string>

class TPageControl;
class TStringList;

// Builds (or refreshes) the palette pages and buttons described by the string records from
// identifier 10, then loads the package-wide settings: the "InfoMult" information handle and
// the registry value "MultChiffresMax" (a missing key or value keeps the current setting).
void InstalleComposants(TPageControl& palette, const TSourceChaines& strings = ChargeChaine);

// What the host stores as the object of an options command and calls with the command's text.
using TDialogueOptions = void (*)(const std::string& nom);

// Adds the options command "Opération", with DialogueOptions as its object.
void AjouteItem(TStringList& items);

// Runs the options command of that name: "Opération" shows the dialog "OperationConfig"
// modally; any other name does nothing.
void DialogueOptions(const std::string& nom);
