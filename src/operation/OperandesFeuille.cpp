#include "operation/OperandesFeuille.h"

#include "host/Conversions.h"
#include "operation/ChoixOp2Logique.h"
#include "operation/Operation.h"
#include "platform/Locale.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <algorithm>
#include <cstdio>
#include <regex>

namespace {

std::string format(const char* modele, int a, int b = 0) {
    char texte[200];
    std::snprintf(texte, sizeof texte, modele, a, b);
    return texte;
}

// An operand as the grid holds it: digits with at most one separator, the locale's.
bool celluleDepuisFeuille(const std::string& lu, std::string& cellule) {
    cellule = lu;
    std::replace(cellule.begin(), cellule.end(), '.', DecimalSeparator());
    std::replace(cellule.begin(), cellule.end(), ',', DecimalSeparator());
    int separateurs = 0;
    int chiffres = 0;
    for (const char c : cellule) {
        if (c == DecimalSeparator())
            ++separateurs;
        else if (c >= '0' && c <= '9')
            ++chiffres;
        else
            return false;
    }
    return separateurs <= 1 && chiffres > 0;
}

TTableOperandes tableVide() {
    TTableOperandes table;
    for (TLigneOperandes& ligne : table)
        ligne.fill(-1.0);
    return table;
}

// The operation's table and definition replaced by what the dialog's logic validated.
bool valide(TvlOperation& operation, const ChoixOp2Logique& logique, std::string& message) {
    TTableOperandes table = operation.TableOperandes;
    TDefinitionOperandes definition = operation.Reglages().DefinitionOperandes;
    std::string erreur;
    if (!logique.Valider(table, definition, erreur)) {
        // One line in a sheet's error report: "Division par zéro. Erreur en opération 2".
        for (std::size_t i = erreur.find('\n'); i != std::string::npos; i = erreur.find('\n'))
            erreur.replace(i, 1, i > 0 && erreur[i - 1] == '.' ? " " : ". ");
        message = erreur;
        return false;
    }
    operation.RemplaceOperandes(table, definition);
    return true;
}

bool appliqueOperandes(TvlOperation& operation, const std::string& valeur, std::string& message) {
    SuperGridModel grille;
    ChoixOp2Logique logique(grille, operation.Reglages().DefinitionOperandes.Operation);
    logique.Initialise(tableVide(), operation.Reglages().DefinitionOperandes);

    const std::vector<std::string_view> exercices = Split(valeur, '|');
    if (int(exercices.size()) > TvlOperation::MAX_OPERATIONS) {
        message = format("Trop d'opérations\u00A0: %d au plus", TvlOperation::MAX_OPERATIONS);
        return false;
    }
    for (std::size_t i = 0; i < exercices.size(); ++i) {
        const int colonne = int(i) + 1;
        const std::vector<std::string_view> operandes = Split(exercices[i], ';');
        if (int(operandes.size()) > logique.LignesOperandes()) {
            message = format("Trop d'opérandes en opération %d (%d au plus)", colonne,
                             logique.LignesOperandes());
            return false;
        }
        for (std::size_t j = 0; j < operandes.size(); ++j) {
            const std::string lu(Trim(operandes[j]));
            if (lu.empty())
                continue;
            std::string cellule;
            if (!celluleDepuisFeuille(lu, cellule)) {
                message = "«\u00A0" + lu + "\u00A0» n'est pas un nombre (opération " +
                          std::to_string(colonne) + ")";
                return false;
            }
            const std::size_t virgule = cellule.find(DecimalSeparator());
            if (virgule != std::string::npos &&
                cellule.size() - virgule - 1 > std::size_t(ChoixOp2Logique::MAX_DECIMALES)) {
                message = format("Trop de décimales en opération %d ligne %d (6 au plus)", colonne,
                                 int(j) + 1);
                return false;
            }
            grille.SetCell(colonne, int(j) + 1, cellule);
        }
        // The component always takes the larger number first: so does the sheet.
        if (operation.Reglages().DefinitionOperandes.Operation == OP_SOUSTRACTION &&
            CelluleRemplie(grille.Cell(colonne, 1)) && CelluleRemplie(grille.Cell(colonne, 2)) &&
            LitNombre(grille.Cell(colonne, 1)) < LitNombre(grille.Cell(colonne, 2))) {
            const std::string premier = grille.Cell(colonne, 1);
            grille.SetCell(colonne, 1, grille.Cell(colonne, 2));
            grille.SetCell(colonne, 2, premier);
        }
    }
    logique.CalculeResultats();
    return valide(operation, logique, message);
}

// A setting of "Tirage": a decimal number within 0..99999999.
bool litBorne(std::string_view texte, const char* nom, double& valeur, std::string& message) {
    const std::string lu(Trim(texte));
    double v = 0;
    if (lu.empty() || !ParseDecimal(lu, v) || v < 0 || v > ChoixOp2Logique::VALEUR_MAX) {
        message = std::string("Tirage\u00A0: ") + nom + " «\u00A0" + lu +
                  "\u00A0» doit être un nombre de 0 à 99999999";
        return false;
    }
    valeur = v;
    return true;
}

bool litEntier(std::string_view texte, const char* nom, int min, int max, int& valeur,
               std::string& message) {
    std::string erreur;
    if (!ConvInt(std::string(Trim(texte)), valeur, erreur, min, max)) {
        message = std::string("Tirage\u00A0: ") + nom + "\u00A0: " + erreur;
        return false;
    }
    return true;
}

// The settings of a draw, as "Tirage" gives them in either of its forms.
struct TirageLu {
    double min = 0, max = 0, multiple = 0, ouDe = 0;
    int decimales = 0;
    int pasDeZeros = 0;
    int operandes = 0; // 0: every operand row
};

// "Tirage = min;max;multiple;ou de;décimales;pas de zéros[;opérandes]".
bool litTirageChiffre(std::string_view valeur, int lignesMax, TirageLu& t, std::string& message) {
    const std::vector<std::string_view> champs = Split(valeur, ';');
    if (champs.size() != 6 && champs.size() != 7) {
        message = "«\u00A0Tirage\u00A0» attend min;max;multiple;ou de;décimales;pas de zéros"
                  " (puis, si on veut, le nombre d'opérandes), ou ses parties nommées\u00A0: "
                  "«\u00A0de 10 à 100, multiples de 5, 2 décimales\u00A0»";
        return false;
    }
    return litBorne(champs[0], "la valeur minimale", t.min, message) &&
           litBorne(champs[1], "la valeur maximale", t.max, message) &&
           litBorne(champs[2], "le multiple", t.multiple, message) &&
           litBorne(champs[3], "l'autre multiple (ou de)", t.ouDe, message) &&
           litEntier(champs[4], "les décimales", 0, ChoixOp2Logique::MAX_DECIMALES, t.decimales,
                     message) &&
           litEntier(champs[5], "pas de zéros", 0, 1, t.pasDeZeros, message) &&
           (champs.size() == 6 ||
            litEntier(champs[6], "le nombre d'opérandes", 2, lignesMax, t.operandes, message));
}

// The parts of a named draw, cut at ";" and at a comma followed by a blank (a decimal comma
// has a digit after it), each with single blanks, accents and capitals folded.
std::vector<std::string> partiesNommees(std::string_view valeur) {
    std::vector<std::string> parties(1);
    for (std::size_t i = 0; i < valeur.size(); ++i) {
        const char c = valeur[i];
        const bool coupe =
            c == ';' ||
            (c == ',' && (i + 1 == valeur.size() || kBlanks.find(valeur[i + 1]) != kBlanks.npos));
        if (coupe)
            parties.emplace_back();
        else if (kBlanks.find(c) == kBlanks.npos)
            parties.back() += c;
        else if (!parties.back().empty() && parties.back().back() != ' ')
            parties.back() += ' ';
    }
    for (std::string& partie : parties)
        partie = FoldAccentsAndCase(Trim(partie));
    return parties;
}

// "Tirage = de 10 à 100, multiples de 5 ou de 2, 2 décimales, sans zéros, 3 opérandes": the
// range is needed, every other part is optional and in any order.
bool litTirageNomme(std::string_view valeur, int lignesMax, TirageLu& t, std::string& message) {
    static const std::regex bornes("de (\\S+) a (\\S+)");
    static const std::regex multiples("multiple(s)? de (\\S+)(?: ou de (\\S+))?");
    static const std::regex decimales("(\\S+) decimale(s)?");
    static const std::regex sansZeros("(sans|pas de) zero(s)?");
    static const std::regex operandes("(\\S+) operande(s)?");
    bool avecBornes = false;
    for (const std::string& partie : partiesNommees(valeur)) {
        std::smatch m;
        bool lu = true;
        if (std::regex_match(partie, m, bornes)) {
            lu = litBorne(m.str(1), "la valeur minimale", t.min, message) &&
                 litBorne(m.str(2), "la valeur maximale", t.max, message);
            avecBornes = true;
        } else if (std::regex_match(partie, m, multiples)) {
            lu = litBorne(m.str(2), "le multiple", t.multiple, message) &&
                 (!m[3].matched || litBorne(m.str(3), "l'autre multiple (ou de)", t.ouDe, message));
        } else if (partie == "sans decimale" || partie == "sans decimales") {
            t.decimales = 0;
        } else if (std::regex_match(partie, m, decimales)) {
            lu = litEntier(m.str(1), "les décimales", 0, ChoixOp2Logique::MAX_DECIMALES,
                           t.decimales, message);
        } else if (std::regex_match(partie, sansZeros)) {
            t.pasDeZeros = 1;
        } else if (std::regex_match(partie, m, operandes)) {
            lu = litEntier(m.str(1), "le nombre d'opérandes", 2, lignesMax, t.operandes, message);
        } else {
            message = "Tirage\u00A0: «\u00A0" + partie +
                      "\u00A0» ne se comprend pas (de MIN à MAX, multiples de N, multiples de N ou "
                      "de M, N décimales, sans zéros, N opérandes)";
            return false;
        }
        if (!lu)
            return false;
    }
    if (!avecBornes)
        message = "Tirage\u00A0: il manque les bornes, par exemple «\u00A0de 10 à 100\u00A0»";
    return avecBornes;
}

// Named parts hold words: a letter other than the "e" of an exponent.
bool estNomme(std::string_view valeur) {
    const std::string plie = FoldAccentsAndCase(valeur);
    return std::any_of(plie.begin(), plie.end(),
                       [](char c) { return c >= 'a' && c <= 'z' && c != 'e'; });
}

bool appliqueTirage(TvlOperation& operation, const std::string& valeur, std::string& message) {
    // The sheet's draw makes the whole table: the grid starts empty.
    SuperGridModel grille;
    ChoixOp2Logique logique(grille, operation.Reglages().DefinitionOperandes.Operation);
    logique.Initialise(tableVide(), operation.Reglages().DefinitionOperandes);
    TirageLu t;
    const int lignesMax = logique.LignesOperandes();
    if (!(estNomme(valeur) ? litTirageNomme(valeur, lignesMax, t, message)
                           : litTirageChiffre(valeur, lignesMax, t, message)))
        return false;
    TDefinitionOperandes& r = logique.Reglages;
    r.ValeurMin = t.min;
    r.ValeurMax = t.max;
    r.Multiple1 = t.multiple;
    r.Multiple2 = t.ouDe;
    r.Decimales = t.decimales;
    r.PasDeZeros = t.pasDeZeros != 0;
    const int lignes = t.operandes != 0 ? t.operandes : lignesMax;

    const int colonnes = operation.Reglages().NombreOperations;
    logique.Retenues = operation.Reglages().Retenues;
    if (!logique.GenererNombres({1, 1, colonnes, lignes}, message))
        return false;
    // A divisor is drawn again while it is 0: one still 0 is all these settings can draw.
    for (int c = 1; c <= colonnes && logique.Operation() == OP_DIVISION; ++c) {
        if (LitNombre(grille.Cell(c, 2)) == 0) {
            message = "Tirage\u00A0: avec ces réglages, le diviseur tiré vaut toujours 0 (il faut "
                      "une valeur maximale d'au moins 2, des décimales ou un multiple)";
            return false;
        }
    }
    return valide(operation, logique, message);
}

} // namespace

const std::vector<CleFeuille>& ClesFeuilleOperation() {
    static const std::vector<CleFeuille> cles{
        {"Operandes", "exercices séparés par |, nombres par «\u00A0;\u00A0» (12;7,5 | 3;4)"},
        {"Tirage", "de MIN à MAX[, multiples de N[ ou de M]][, N décimales][, sans zéros]"
                   "[, N opérandes], ou min;max;multiple;ou de;décimales;pas de zéros"
                   "[;nombre d'opérandes]"}};
    return cles;
}

std::string TirageLisible(const TDefinitionOperandes& d, int operandes) {
    const auto nombre = [](double v) { return WriteNumber(v, ChoixOp2Logique::MAX_DECIMALES); };
    std::string texte = "de " + nombre(d.ValeurMin) + " à " + nombre(d.ValeurMax);
    if (d.Multiple1 != 0 || d.Multiple2 != 0)
        texte += ", multiples de " + nombre(d.Multiple1);
    if (d.Multiple2 != 0)
        texte += " ou de " + nombre(d.Multiple2);
    if (d.Decimales != 0)
        texte +=
            ", " + std::to_string(d.Decimales) + (d.Decimales > 1 ? " décimales" : " décimale");
    if (d.PasDeZeros)
        texte += ", sans zéros";
    if (operandes != 0)
        texte += ", " + std::to_string(operandes) + " opérandes";
    return texte;
}

bool AppliqueCleFeuilleOperation(TComposant& composant, const std::string& cle,
                                 const std::string& valeur, std::string& message) {
    auto* operation = dynamic_cast<TvlOperation*>(&composant);
    if (operation == nullptr) {
        message = "«\u00A0" + cle + "\u00A0» ne s'applique qu'à une opération";
        return false;
    }
    if (cle == "Operandes")
        return appliqueOperandes(*operation, valeur, message);
    if (cle == "Tirage")
        return appliqueTirage(*operation, valeur, message);
    message = "clé inconnue «\u00A0" + cle + "\u00A0»";
    return false;
}

void DebuteFeuilleOperation(TComposant& composant) {
    if (auto* operation = dynamic_cast<TvlOperation*>(&composant))
        operation->DiffereTrous(true);
}

bool TermineFeuilleOperation(TComposant& composant, std::string&) {
    if (auto* operation = dynamic_cast<TvlOperation*>(&composant))
        operation->DiffereTrous(false);
    return true;
}
