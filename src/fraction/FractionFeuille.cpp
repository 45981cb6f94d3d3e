#include "fraction/FractionFeuille.h"

#include "fraction/Fraction.h"
#include "fraction/FractionEdit2Logique.h"
#include "host/Conversions.h"
#include "platform/Text.h"

namespace {

// "min;max" as two integers.
bool litPlage(const std::string& cle, const std::string& valeur, PlageFraction& plage,
              std::string& message) {
    const std::vector<std::string_view> bornes = Split(valeur, ';');
    std::string erreur;
    if (bornes.size() != 2 || !ConvInt(std::string(Trim(bornes[0])), plage.min, erreur) ||
        !ConvInt(std::string(Trim(bornes[1])), plage.max, erreur)) {
        message = "«\u00A0" + cle + "\u00A0» attend min;max (deux nombres entiers)";
        return false;
    }
    return true;
}

bool appliquePlage(TvlFraction& fraction, const std::string& cle, const std::string& valeur,
                   std::string& message) {
    PlageFraction plage;
    if (!litPlage(cle, valeur, plage, message))
        return false;
    SuperGridModel grille;
    FractionEdit2Logique logique(grille, fraction.Donnees(), fraction.Bloc().FractionOperation);
    const bool numerateurs = cle == "Numerateurs";
    if (!logique.ChangePlages(numerateurs ? plage : logique.Numerateurs(),
                              numerateurs ? logique.Denominateurs() : plage, message))
        return false;
    FractionDonnees donnees = fraction.Donnees();
    if (!logique.Valider(donnees, message))
        return false;
    fraction.RemplaceDonnees(donnees);
    fraction.GenererOperations();
    return true;
}

bool appliqueOperandes(TvlFraction& fraction, const std::string& valeur, std::string& message) {
    const std::vector<std::string_view> lignes = Split(valeur, '|');
    if (int(lignes.size()) > TvlFraction::LIGNES) {
        message = "Trop de lignes\u00A0: " + std::to_string(TvlFraction::LIGNES) + " au plus";
        return false;
    }
    SuperGridModel grille;
    FractionEdit2Logique logique(grille, fraction.Donnees(), fraction.Bloc().FractionOperation);
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const int ligne = int(i) + 1;
        const std::vector<std::string_view> operandes = Split(lignes[i], ';');
        if (operandes.size() != 2) {
            message =
                "Ligne " + std::to_string(ligne) + "\u00A0: deux opérandes attendus (a/b;c/d)";
            return false;
        }
        for (std::size_t j = 0; j < 2; ++j) {
            const std::vector<std::string_view> parts = Split(operandes[j], '/');
            if (parts.size() > 2) {
                message = "Ligne " + std::to_string(ligne) + "\u00A0: «\u00A0" +
                          std::string(Trim(operandes[j])) + "\u00A0» n'est pas une fraction";
                return false;
            }
            const int col = j == 0 ? FractionEdit2Logique::COL_A : FractionEdit2Logique::COL_C;
            grille.SetCell(col, ligne, std::string(Trim(parts[0])));
            grille.SetCell(col + 1, ligne, parts.size() == 2 ? std::string(Trim(parts[1])) : "1");
        }
    }
    FractionDonnees donnees = fraction.Donnees();
    if (!logique.Valider(donnees, message))
        return false;
    fraction.RemplaceDonnees(donnees);
    return true;
}

} // namespace

const std::vector<CleFeuille>& ClesFeuilleFraction() {
    static const std::vector<CleFeuille> cles{
        {"Numerateurs", "min;max des numérateurs tirés"},
        {"Denominateurs", "min;max des dénominateurs tirés"},
        {"Operandes",
         "fractions de chaque ligne séparées par ;, lignes par | (1/4;1/6 | 2/3;1/4)"}};
    return cles;
}

bool AppliqueCleFeuilleFraction(TComposant& composant, const std::string& cle,
                                const std::string& valeur, std::string& message) {
    auto* fraction = dynamic_cast<TvlFraction*>(&composant);
    if (fraction == nullptr) {
        message = "«\u00A0" + cle + "\u00A0» ne s'applique qu'à une fraction";
        return false;
    }
    if (cle == "Operandes")
        return appliqueOperandes(*fraction, valeur, message);
    if (cle == "Numerateurs" || cle == "Denominateurs")
        return appliquePlage(*fraction, cle, valeur, message);
    message = "clé inconnue «\u00A0" + cle + "\u00A0»";
    return false;
}
