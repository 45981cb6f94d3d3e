#include "package/OperationConfig.h"

#include "host/Services.h"
#include "operation/Operation.h"
#include "platform/Registry.h"
#include "platform/Text.h"

#include <limits>
#include <string_view>

TOperationConfigModel::TOperationConfigModel()
    : Valeur(static_cast<std::uint32_t>(TvlOperation::MultChiffresMax)) {}

int TOperationConfigModel::btOkClick() {
    const std::int32_t v = static_cast<std::int32_t>(Valeur);
    if (v < 1) {
        Ui().ShowMessage("Calculs\u00A0: il faut un nombre > 0");
        return mrNone;
    }
    TvlOperation::MultChiffresMax = v;
    // The setting applies for this session even when it cannot be kept; the user is told.
    TRegistry registry;
    std::string message;
    if (registry.OpenKey(RegPath(), false) && !registry.WriteInteger("MultChiffresMax", v, message))
        Ui().ShowMessage("Le réglage s'applique jusqu'à la fermeture mais n'a pas pu être "
                         "enregistré. " +
                         message);
    return mrOk;
}

void TOperationConfigModel::btHelpClick() const {
    Aide(1, 9);
}

std::string TOperationConfigModel::Texte(std::uint32_t valeur) {
    return std::to_string(valeur);
}

bool TOperationConfigModel::LitTexte(const std::string& texte, std::uint32_t& valeur) {
    const std::string_view chiffres = Trim(texte, " ");
    if (chiffres.empty()) {
        valeur = 0;
        return true;
    }
    const std::optional<long long> lu =
        ParseInteger(chiffres, 0, std::numeric_limits<std::uint32_t>::max(), {.minus = false});
    if (!lu)
        return false;
    valeur = std::uint32_t(*lu);
    return true;
}
