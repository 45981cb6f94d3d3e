// What the package options dialog "OperationConfig" decides: the digit threshold of the
// multiplication generator, shown when the dialog opens and stored on OK.
#pragma once

#include "platform/UserInterface.h"

#include <cstdint>
#include <string>

class TOperationConfigModel : public TFormModel {
public:
    // Starts with the current TvlOperation::MultChiffresMax, seen as unsigned as the edit
    // shows it.
    TOperationConfigModel();

    // The edit's value.
    std::uint32_t Valeur = 0;

    // OK: the value taken as a signed 32-bit number must be at least 1, or the message
    // "Calculs: il faut un nombre > 0" is shown and mrNone keeps the dialog open. Otherwise it
    // becomes the setting at once, is written to the registry when the key exists (a failed
    // write is ignored) and mrOk closes the dialog.
    int btOkClick();
    // Opens the help page of the dialog.
    void btHelpClick() const;

    // The edit's text for a value ("%u").
    static std::string Texte(std::uint32_t valeur);
    // The value of the edit's text: decimal digits, blanks around allowed, empty text 0; false
    // for anything else or a value above 4294967295.
    static bool LitTexte(const std::string& texte, std::uint32_t& valeur);
};
