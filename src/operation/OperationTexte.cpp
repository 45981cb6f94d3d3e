// The operation written as sheet text: the keys stored in another form than they are typed,
// and the exercise itself (operands, then the operations' records with their holes), which
// reads back into the same exercises.
#include "operation/Operation.h"

#include "operation/ExercicesTexte.h"
#include "operation/OperandesFeuille.h"
#include "operation/OperationCles.h"

#include "host/Stream.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <string>
#include <vector>

std::optional<std::string> TvlOperation::TexteCle(const Cle& cle) {
    const int type = opts_.DefinitionOperandes.Operation;
    if (cle.index == CleOperation::Operation)
        return std::to_string(type);
    if (cle.index == CleOperation::PositionTrous) {
        if (type < OP_ADDITION || type > OP_DIVISION)
            return std::nullopt;
        return std::to_string(opts_.PositionTrous[type]);
    }
    // Written after the operands, which would otherwise not make their exercises.
    if (cle.index == CleOperation::InhibeCalculsAuto)
        return std::nullopt;
    return CommonComponent::TexteCle(cle);
}

namespace {

// An operand at its decimals (six at most, as the operand dialog takes), with a decimal comma.
std::string texteOperande(double valeur) {
    return WriteNumber(valeur, 6);
}

} // namespace

// The draw's settings as the "Tirage" key takes them, said in a comment: the sheet keeps its
// exercises, and the teacher who wants new ones at each seed knows what to write instead.
std::string TvlOperation::texteTirage() const {
    const TDefinitionOperandes& d = opts_.DefinitionOperandes;
    long operandes = 0;
    if (d.Operation == OP_ADDITION && TableOperandes[0][0] >= 0) {
        const auto& premiere = TableOperandes[0];
        const auto fin = std::find_if(premiere.begin(), premiere.begin() + COLONNES_OPERANDES,
                                      [](double v) { return v < 0; });
        operandes = std::max<long>(2, fin - premiere.begin());
    }
    return "Pour d'autres opérations à chaque graine, remplacez Operandes et Exercices par\u00A0: "
           "Tirage = " +
           TirageLisible(d, int(operandes));
}

std::vector<TCleValeur> TvlOperation::ExerciceFeuille() {
    // An addition has up to five operands, the other kinds two.
    const int colonnes =
        opts_.DefinitionOperandes.Operation == OP_ADDITION ? COLONNES_OPERANDES : 2;
    std::string exercices;
    for (const TLigneOperandes& ligne : TableOperandes) {
        if (ligne[0] < 0 || ligne[1] < 0)
            break;
        std::string operandes;
        for (int i = 0; i < colonnes; ++i) {
            const double operande = ligne[std::size_t(i)];
            if (operande < 0)
                break;
            operandes += (operandes.empty() ? "" : ";") + texteOperande(operande);
        }
        exercices += (exercices.empty() ? "" : " | ") + operandes;
    }
    std::vector<TCleValeur> exercice{{"#", texteTirage()}};
    if (!exercices.empty())
        exercice.push_back({"Operandes", exercices});
    if (const auto texte = EcritExercices(Operations(), opts_.DefinitionOperandes.Operation)) {
        exercice.push_back({"Exercices", *texte});
    } else if (TMemoryStream records; WriteShort(records, std::int16_t(operations_.size()))) {
        std::string hex;
        for (const std::unique_ptr<OperGen>& operation : operations_)
            if (!operation->Sauve(records))
                return exercice;
        for (const std::uint8_t octet : records.Bytes()) {
            hex += "0123456789ABCDEF"[octet >> 4];
            hex += "0123456789ABCDEF"[octet & 0xF];
        }
        exercice.push_back({"Exercices", hex});
    }
    if (opts_.InhibeCalculsAuto)
        exercice.push_back({"InhibeCalculsAuto", "1"});
    return exercice;
}

bool TvlOperation::changeExercices(const std::string& valeur, std::string& message) {
    creuseEnAttente();
    const bool binaire =
        valeur.find_first_not_of("0123456789ABCDEF") == std::string::npos && valeur.size() >= 4;
    if (!binaire)
        return LitExercices(valeur, opts_.DefinitionOperandes.Operation,
                            std::size_t(MAX_OPERATIONS), operations_, message);
    message =
        "«\u00A0Exercices\u00A0»\u00A0: les exercices ne se lisent pas (texte hexadécimal abîmé)";
    std::vector<std::uint8_t> octets;
    const auto chiffre = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    };
    for (std::size_t i = 0; i + 1 < valeur.size(); i += 2) {
        const int haut = chiffre(valeur[i]);
        const int bas = chiffre(valeur[i + 1]);
        if (haut < 0 || bas < 0)
            return false;
        octets.push_back(std::uint8_t(16 * haut + bas));
    }
    if (valeur.size() % 2 != 0)
        return false;
    TMemoryStream s(std::move(octets));
    std::int16_t nombre = 0;
    if (!ReadShortIn(s, nombre, 0, std::int16_t(MAX_OPERATIONS), "nombre d'opérations"))
        return false;
    ListeOperations lues;
    for (int i = 0; i < nombre; ++i) {
        std::unique_ptr<OperGen> operation = NouvelleOperation(opts_.DefinitionOperandes.Operation);
        if (operation == nullptr || !operation->Charge(s))
            return false;
        lues.push_back(std::move(operation));
    }
    if (s.Remaining() != 0)
        return false;
    operations_ = std::move(lues);
    message.clear();
    return true;
}

std::vector<std::string> TvlOperation::Reponses() const {
    std::vector<std::string> reponses;
    for (const std::unique_ptr<OperGen>& operation : Operations())
        reponses.push_back(NombresCaches(*operation));
    return reponses;
}
