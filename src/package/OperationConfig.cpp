#include "package/OperationConfig.h"

#include "host/Services.h"
#include "operation/Operation.h"
#include "platform/Registry.h"

#include <charconv>
#include <string_view>

TOperationConfigModel::TOperationConfigModel()
    : Valeur(static_cast<std::uint32_t>(TvlOperation::MultChiffresMax)) {}

int TOperationConfigModel::btOkClick() {
    const std::int32_t v = static_cast<std::int32_t>(Valeur);
    if (v < 1) {
        Ui().ShowMessage("Calculs: il faut un nombre > 0");
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
    std::string_view digits(texte);
    while (!digits.empty() && digits.front() == ' ')
        digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == ' ')
        digits.remove_suffix(1);
    if (digits.empty()) {
        valeur = 0;
        return true;
    }
    std::uint32_t parsed = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    if (error != std::errc() || end != digits.data() + digits.size())
        return false;
    valeur = parsed;
    return true;
}
