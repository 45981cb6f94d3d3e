#include "operation/ChoixOp2Logique.h"

#include "operation/EcritureMultDiv.h"
#include "operation/Nombres.h"
#include "operation/Retenues.h"
#include "platform/Locale.h"
#include "platform/Numbers.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "platform/UserInterface.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr std::array<const char*, 4> kTitres{"Addition", "Soustraction", "Multiplication",
                                             "Division"};

std::string format(const char* modele, int a, int b = 0) {
    char texte[160];
    std::snprintf(texte, sizeof texte, modele, a, b);
    return texte;
}

// A draw wider than rand()'s 15 bits, still from the process-wide generator so that a seed
// reproduces it: bounds up to 99999999 are reached.
long long grandHasard() {
    const long long haut = Random();
    const long long bas = Random();
    return haut * (RAND_MAX_VL + 1LL) + bas;
}

double puissanceDix(int n) {
    return std::pow(10.0, n);
}

// Removes trailing zeros after a separator, then a trailing separator.
void retireZerosFinaux(std::string& s, char separateur) {
    if (s.find(separateur) == std::string::npos)
        return;
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    if (!s.empty() && s.back() == separateur)
        s.pop_back();
}

std::string sansBlancsEnTete(const std::string& s) {
    const std::size_t debut = s.find_first_not_of(' ');
    return debut == std::string::npos ? std::string() : s.substr(debut);
}

} // namespace

// ---- number texts ----

std::string NormaliseCellule(std::string texte) {
    const char separateur = DecimalSeparator();
    const std::size_t virgule = texte.find(separateur);
    if (virgule != std::string::npos && virgule >= 1 &&
        texte.size() - virgule - 1 > std::size_t(ChoixOp2Logique::MAX_DECIMALES))
        texte.resize(virgule + 1 + ChoixOp2Logique::MAX_DECIMALES);
    int gardes = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == separateur)
            continue;
        if (++gardes > ChoixOp2Logique::MAX_CHIFFRES) {
            texte.resize(i);
            // No separator left dangling after the last digit kept.
            if (texte.back() == separateur)
                texte.pop_back();
            break;
        }
    }
    return texte;
}

std::string FormateNombre(double valeur) {
    return WriteNumber(valeur, ChoixOp2Logique::MAX_DECIMALES, {DecimalSeparator()});
}

double LitNombre(const std::string& texte) {
    const std::string_view nombre = Trim(texte, " ");
    // Only a sign, digits and one separator: a cell never holds an exponent.
    const std::size_t e = nombre.find_first_of("eE");
    const std::string_view tete = nombre.substr(0, NumberLength(nombre.substr(0, e)));
    return ReadNumber(tete).value_or(0);
}

bool CelluleRemplie(const std::string& texte) {
    return texte.find_first_not_of(' ') != std::string::npos;
}

// ---- grid ----

ChoixOp2Logique::ChoixOp2Logique(SuperGridModel& grille, int operation)
    : grille_(grille), operation_(std::clamp(operation, int(OP_ADDITION), int(OP_DIVISION))) {
    prepareGrille();
}

std::string ChoixOp2Logique::Titre(int operation) {
    return kTitres[std::size_t(std::clamp(operation, int(OP_ADDITION), int(OP_DIVISION)))];
}

void ChoixOp2Logique::prepareGrille() {
    grille_.SetSize(COLONNES, LigneResultat() + 1);
    grille_.SetAcceptedCharacters(CARACTERES_ACCEPTES, true);
    grille_.decimalInput = true;
    grille_.decimalSeparator = DecimalSeparator();
    grille_.columnMargin = 4;
    for (int c = 1; c < COLONNES; ++c)
        grille_.SetCell(c, 0, format("Op. %d", c));
    for (int l = 1; l <= LignesOperandes(); ++l) {
        std::string titre = format("Opérande %d", l);
        if (operation_ == OP_MULTIPLICATION)
            titre = l == 1 ? "Multiplicande" : "Multiplicateur";
        else if (operation_ == OP_DIVISION)
            titre = l == 1 ? "Dividende" : "Diviseur";
        grille_.SetCell(0, l, titre);
    }
    constexpr std::array<const char*, 4> resultats{"Somme", "Différence", "Produit", "Résultat"};
    grille_.SetCell(0, LigneResultat(), resultats[std::size_t(operation_)]);
    for (int c = 1; c < COLONNES; ++c)
        grille_.SetProtected(c, LigneResultat(), true);
}

void ChoixOp2Logique::Initialise(const TTableOperandes& table,
                                 const TDefinitionOperandes& definition) {
    Reglages = definition;
    remplissage_ = true;
    for (int c = 1; c < COLONNES; ++c)
        for (int l = 1; l <= LigneResultat(); ++l)
            grille_.SetCell(c, l, "");
    for (int i = 0; i < LIGNES_OPERANDES; ++i) {
        for (int j = 0; j < LignesOperandes(); ++j) {
            const double v = table[std::size_t(i)][std::size_t(j)];
            if (v >= 0)
                grille_.SetCell(i + 1, j + 1, FormateNombre(v));
        }
    }
    remplissage_ = false;
    CalculeResultats();
}

void ChoixOp2Logique::CellulesModifiees() {
    for (int c = 1; c < COLONNES; ++c)
        for (int l = 1; l <= LignesOperandes(); ++l)
            grille_.SetCell(c, l, NormaliseCellule(cellule(c, l)));
    CalculeResultats();
}

void ChoixOp2Logique::CalculeResultats() {
    for (int c = 1; c < COLONNES; ++c)
        CalculeResultat(c);
}

void ChoixOp2Logique::CalculeResultat(int colonne) {
    const int ligneResultat = LigneResultat();
    grille_.SetCell(colonne, ligneResultat, "");
    if (remplissage_)
        return;
    // Results are computed on the operands' digits, as the exercises are: in binary
    // arithmetic 99999,999 - 99999,998 would show 0,0010000000038417.
    const auto exact = [this, colonne](int ligne) {
        return DoubleToString(LitNombre(cellule(colonne, ligne)));
    };
    if (operation_ == OP_ADDITION) {
        std::vector<std::string> termes;
        for (int l = 1; l <= LignesOperandes(); ++l)
            if (CelluleRemplie(cellule(colonne, l)))
                termes.push_back(exact(l));
        if (!termes.empty())
            grille_.SetCell(colonne, ligneResultat, SommeExacte(termes));
        return;
    }
    if (!CelluleRemplie(cellule(colonne, 1)) || !CelluleRemplie(cellule(colonne, 2)))
        return;
    const double a = LitNombre(cellule(colonne, 1));
    const double b = LitNombre(cellule(colonne, 2));
    std::string texte;
    switch (operation_) {
    case OP_SOUSTRACTION:
        texte = a - b < 0 ? TEXTE_NEGATIF : DifferenceExacte(exact(1), exact(2));
        break;
    case OP_MULTIPLICATION: {
        std::vector<std::string> lignes;
        EcrireMultiplication(a, b, lignes);
        texte = lignes.back();
        retireZerosFinaux(texte, DecimalSeparator());
        break;
    }
    default: {
        CalculDivision division;
        texte = division.CalculeQuotient(exact(1), exact(2), MAX_DECIMALES) ? division.Quotient()
                                                                            : TEXTE_DIV_ZERO;
        break;
    }
    }
    grille_.SetCell(colonne, ligneResultat, texte);
}

// ---- random numbers ----

std::string ChoixOp2Logique::TireNombre(double limite) const {
    double min = Reglages.ValeurMin;
    double max = Reglages.ValeurMax;
    if (limite >= 0 && limite < max)
        max = limite;
    if (min == 0 && max == 0) {
        min = 10;
        max = 1000;
    }
    if (max < min)
        std::swap(min, max);

    double m1 = Reglages.Multiple1;
    double m2 = Reglages.Multiple2;
    if (m1 == 0 && m2 != 0) {
        m1 = m2;
        m2 = 0;
    }
    const int k = (m1 != 0 ? 1 : 0) + (m2 != 0 ? 1 : 0);
    const int decimales = std::clamp<int>(Reglages.Decimales, 0, MAX_DECIMALES);

    // Numbers without a 0 are tried for when they can exist at all.
    int essais = 1;
    if (Reglages.PasDeZeros && decimales == 0) {
        const auto dizaines = [](double m) { return std::fmod(std::trunc(m), 10.0) == 0; };
        const bool impossible = (m1 != 0 && dizaines(m1)) || (m2 != 0 && dizaines(m2)) ||
                                min != std::floor(min) || max != std::floor(max) ||
                                (std::fmod(min, 10.0) == 0 && max - min < 2);
        essais = impossible ? 1 : 40;
    }

    const char separateur = DecimalSeparator();
    std::string texte;
    do {
        const double largeur = std::trunc(max - min);
        double v = min;
        if (largeur >= 1)
            v += double(grandHasard() % (long long)largeur);
        for (int i = 1; i <= decimales; ++i)
            v += (Random() % 10) / puissanceDix(i);
        if (k > 0) {
            const double m = Random() % k == 0 ? m1 : m2;
            // The small margin keeps 0,3 a multiple of 0,1 in binary arithmetic.
            v = std::trunc(v / m + 1e-9) * m;
            if (v == 0)
                v = m;
        }
        texte = FormateNombre(v);
        if (decimales > 0) {
            if (texte.find(separateur) == std::string::npos)
                texte += separateur;
            while (int(texte.size() - texte.find(separateur) - 1) < decimales)
                texte += '0';
        }
        std::int16_t e = 0;
        std::int16_t d = 0;
        NbDigit(texte, e, d);
        if (e + d > MAX_CHIFFRES) {
            const int reste = MAX_CHIFFRES - e;
            if (reste > 0)
                texte.resize(std::size_t(e + 1 + reste));
            else if (reste == 0)
                texte.resize(std::size_t(e));
            else
                texte.resize(MAX_CHIFFRES);
        }
        --essais;
    } while (essais > 0 && texte.find('0') != std::string::npos);
    return texte;
}

std::string ChoixOp2Logique::TireDiviseur(double limite) const {
    std::string texte = TireNombre(limite);
    for (int essai = 1; essai < ESSAIS_DIVISEUR && LitNombre(texte) == 0; ++essai)
        texte = TireNombre(limite);
    return texte;
}

bool ChoixOp2Logique::GenererNombres(const GridRange& selection, std::string& message) {
    const int ligneResultat = LigneResultat();
    const int gauche = std::max(selection.left, 1);
    const int droite = std::min(selection.right, COLONNES - 1);
    const int haut = std::max(selection.top, 1);
    const int bas = std::min(selection.bottom, ligneResultat);
    if (gauche > droite || haut > bas)
        return true;
    if (haut == ligneResultat) {
        for (int c = gauche; c <= droite; ++c)
            DeriveOperandes(c, TireNombre());
        return true;
    }
    if (Retenues != RETENUES_LIBRES && operation_ != OP_DIVISION)
        return tireAvecRetenues(gauche, droite, std::max(2, std::min(bas, ligneResultat - 1)),
                                message);
    for (int c = gauche; c <= droite; ++c) {
        for (int l = haut; l <= std::min(bas, ligneResultat - 1); ++l) {
            if (operation_ == OP_SOUSTRACTION && l == 2) {
                const std::string premier = cellule(c, 1);
                const double limite = CelluleRemplie(premier) ? LitNombre(premier) : 0.0;
                std::string second = TireNombre(limite);
                // Decimals may take the drawn number past the limit: the larger goes first.
                if (CelluleRemplie(premier) && LitNombre(second) > limite) {
                    grille_.SetCell(c, 1, second);
                    second = premier;
                }
                grille_.SetCell(c, 2, second);
                continue;
            }
            grille_.SetCell(c, l,
                            operation_ == OP_DIVISION && l == 2 ? TireDiviseur() : TireNombre());
        }
        CalculeResultat(c);
    }
    return true;
}

void ChoixOp2Logique::tireColonne(int colonne, int lignes) {
    const bool soustraction = operation_ == OP_SOUSTRACTION;
    for (int l = 1; l <= LignesOperandes(); ++l)
        grille_.SetCell(colonne, l,
                        l <= lignes && !(soustraction && l == 2) ? TireNombre() : std::string());
    if (!soustraction)
        return;
    // The second no larger than the first, as in a drawn subtraction.
    const std::string premier = cellule(colonne, 1);
    const double limite = LitNombre(premier);
    std::string second = TireNombre(limite);
    if (LitNombre(second) > limite) {
        grille_.SetCell(colonne, 1, second);
        second = premier;
    }
    grille_.SetCell(colonne, 2, second);
}

std::vector<std::int64_t> ChoixOp2Logique::operandesEntiers(int colonne, int lignes) const {
    std::vector<ExactDecimal> lus;
    int decimales = 0;
    for (int l = 1; l <= lignes; ++l) {
        const std::optional<ExactDecimal> d = ReadExactDecimal(Trim(cellule(colonne, l), " "));
        if (!d || d->digits < 0)
            return {};
        lus.push_back(*d);
        decimales = std::max(decimales, d->decimals);
    }
    std::vector<std::int64_t> entiers;
    for (const ExactDecimal& d : lus) {
        const std::optional<std::int64_t> n = ScaledDigits(d, decimales);
        if (!n)
            return {};
        entiers.push_back(*n);
    }
    return entiers;
}

namespace {

constexpr std::array<const char*, 3> kNomsOperations{"addition", "soustraction", "multiplication"};

// "de 56 à 60", then the decimals and the multiples when there are some.
std::string texteReglages(const TDefinitionOperandes& r) {
    std::string texte = "de " + WriteNumber(r.ValeurMin, 6) + " à " + WriteNumber(r.ValeurMax, 6);
    if (r.Decimales > 0)
        texte += ", " + std::to_string(r.Decimales) + " décimale" + (r.Decimales > 1 ? "s" : "");
    if (r.Multiple1 != 0 || r.Multiple2 != 0) {
        const double m1 = r.Multiple1 != 0 ? r.Multiple1 : r.Multiple2;
        texte += ", multiples de " + WriteNumber(m1, 6);
        if (r.Multiple1 != 0 && r.Multiple2 != 0)
            texte += " ou de " + WriteNumber(r.Multiple2, 6);
    }
    return texte;
}

} // namespace

bool ChoixOp2Logique::tireAvecRetenues(int gauche, int droite, int lignes, std::string& message) {
    const bool avec = Retenues == AVEC_RETENUE;
    const std::string voulu = std::string(kNomsOperations[std::size_t(operation_)]) +
                              (avec ? " avec retenue" : " sans retenue");
    const std::string cle = "Retenues = " + std::to_string(Retenues) + "\u00A0: ";
    for (int c = gauche; c <= droite; ++c) {
        bool trouve = false;
        // The dialog's own draws first, so that the numbers look as usual.
        for (int essai = 0; essai < ESSAIS_RETENUES && !trouve; ++essai) {
            tireColonne(c, lignes);
            const std::vector<std::int64_t> operandes = operandesEntiers(c, lignes);
            trouve = !operandes.empty() && ARetenue(operation_, operandes) == avec;
        }
        if (!trouve && (Reglages.Multiple1 != 0 || Reglages.Multiple2 != 0)) {
            message = cle + "aucune " + voulu + " en " + std::to_string(ESSAIS_RETENUES) +
                      " tirages de nombres " + texteReglages(Reglages) +
                      "\u00A0; changez les réglages du tirage ou les retenues";
            return false;
        }
        if (!trouve && !tireExact(c, lignes, avec)) {
            message = cle + "aucune " + voulu + " n'est possible avec des nombres " +
                      texteReglages(Reglages) +
                      "\u00A0; changez les réglages du tirage ou les retenues";
            return false;
        }
        CalculeResultat(c);
    }
    return true;
}

bool ChoixOp2Logique::tireExact(int colonne, int lignes, bool avec) {
    double min = Reglages.ValeurMin;
    double max = Reglages.ValeurMax;
    if (min == 0 && max == 0) {
        min = 10;
        max = 1000;
    }
    if (max < min)
        std::swap(min, max);
    // The numbers TireNombre gives: from min, as many units as the width, each with its
    // decimals.
    const int decimales = std::clamp<int>(Reglages.Decimales, 0, MAX_DECIMALES);
    const double echelle = puissanceDix(decimales);
    const double largeur = std::max(1.0, std::trunc(max - min));
    PlageEntiers plage;
    plage.lo = std::int64_t(std::ceil(min * echelle - 1e-6));
    plage.hi = std::min<std::int64_t>(std::int64_t(std::ceil((min + largeur) * echelle - 1e-6)) - 1,
                                      std::int64_t(VALEUR_MAX));
    if (plage.lo > plage.hi)
        return false;
    const std::optional<std::vector<std::int64_t>> tire =
        TireExerciceRetenues(operation_, lignes, plage, avec);
    if (!tire)
        return false;
    const NumberStyle style{DecimalSeparator(), 0, true};
    for (int l = 1; l <= LignesOperandes(); ++l)
        grille_.SetCell(colonne, l,
                        l <= int(tire->size())
                            ? WriteDecimal((*tire)[std::size_t(l - 1)], decimales, style)
                            : std::string());
    return true;
}

// ---- operands from a result ----

void ChoixOp2Logique::DeriveOperandes(int colonne, const std::string& resultat) {
    const std::string texte = NormaliseCellule(sansBlancsEnTete(resultat));
    grille_.SetCell(colonne, LigneResultat(), texte);
    if (!CelluleRemplie(texte)) {
        CalculeResultat(colonne);
        return;
    }
    const double r = LitNombre(texte);
    switch (operation_) {
    case OP_ADDITION:
        deriveAddition(colonne, r);
        break;
    case OP_SOUSTRACTION:
        deriveSoustraction(colonne, r);
        break;
    case OP_MULTIPLICATION:
        deriveMultiplication(colonne, texte);
        break;
    default:
        deriveDivision(colonne, r);
        break;
    }
    CalculeResultat(colonne);
}

void ChoixOp2Logique::deriveAddition(int colonne, double resultat) {
    int remplies = 0;
    for (int l = 1; l <= LignesOperandes(); ++l)
        remplies += CelluleRemplie(cellule(colonne, l)) ? 1 : 0;
    const int n = remplies < 2 ? LignesOperandes() : remplies;
    double reste = resultat;
    for (int l = 1; l < n; ++l) {
        std::string texte = TireNombre(reste);
        double v = LitNombre(texte);
        if (v > reste) {
            v = reste;
            texte = FormateNombre(reste);
        }
        grille_.SetCell(colonne, l, texte);
        if (reste > 0) {
            reste -= v;
            if (reste < 0.0000001)
                reste = 0;
        }
    }
    grille_.SetCell(colonne, n, FormateNombre(reste));
    for (int l = n + 1; l <= LignesOperandes(); ++l)
        grille_.SetCell(colonne, l, "");
}

void ChoixOp2Logique::deriveSoustraction(int colonne, double resultat) {
    const double limite = Reglages.ValeurMax - resultat;
    const std::string soustrait = TireNombre(limite < 0 ? -1 : limite);
    grille_.SetCell(colonne, 1, FormateNombre(LitNombre(soustrait) + resultat));
    grille_.SetCell(colonne, 2, soustrait);
}

void ChoixOp2Logique::deriveMultiplication(int colonne, const std::string& resultat) {
    std::int16_t entiers = 0;
    std::int16_t decimales = 0;
    NbDigit(resultat, entiers, decimales);
    // The product's digits as a whole number: exact, unlike R x 10^d in binary.
    long long n = 0;
    for (const char c : NombreSansVirgule(resultat))
        if (EstChiffre(c))
            n = n * 10 + (c - '0');
    long long facteur = 1;
    int j = 0;
    const long long moitie = n / 2;
    // Below 2 there is no divisor up to the half: the product is 1 x itself.
    if (moitie >= 1) {
        TWaitCursor attente;
        if (moitie <= 1000) {
            std::vector<long long> diviseurs;
            for (long long i = 1; i <= moitie && diviseurs.size() < 50; ++i)
                if (n % i == 0)
                    diviseurs.push_back(i);
            facteur = diviseurs[std::size_t(Random()) % diviseurs.size()];
        } else {
            const long long depart = 1 + grandHasard() % moitie;
            const bool monteDabord = Random() % 2 == 0;
            facteur = 0;
            if (monteDabord)
                for (long long i = depart; i <= moitie && facteur == 0; ++i)
                    if (n % i == 0)
                        facteur = i;
            for (long long i = depart; i >= 1 && facteur == 0; --i)
                if (n % i == 0)
                    facteur = i;
        }
        j = Random() % (decimales + 1);
    }
    const double a = double(facteur) / puissanceDix(j);
    const double b = double(n / facteur) / puissanceDix(decimales - j);
    ecritPlusGrandEnPremier(colonne, a, b);
}

void ChoixOp2Logique::deriveDivision(int colonne, double resultat) {
    if (resultat == 0) {
        grille_.SetCell(colonne, 1, "0");
        grille_.SetCell(colonne, 2, TireDiviseur());
        return;
    }
    const double limite = Reglages.ValeurMax / resultat;
    const double diviseur = LitNombre(TireDiviseur(limite <= 1 ? -1 : limite));
    ecritPlusGrandEnPremier(colonne, resultat * diviseur, diviseur);
}

void ChoixOp2Logique::ecritPlusGrandEnPremier(int colonne, double a, double b) {
    if (b > a)
        std::swap(a, b);
    grille_.SetCell(colonne, 1, FormateNombre(a));
    grille_.SetCell(colonne, 2, FormateNombre(b));
}

// ---- validation ----

bool ChoixOp2Logique::Valider(TTableOperandes& table, TDefinitionOperandes& definition,
                              std::string& message) const {
    const int lignes = LignesOperandes();
    for (int c = 1; c < COLONNES; ++c) {
        const std::string resultat = cellule(c, LigneResultat());
        if (resultat == TEXTE_DIV_ZERO) {
            message = format("Division par zéro\nErreur en opération %d", c);
            return false;
        }
        if (resultat == TEXTE_NEGATIF) {
            message = format("Résultat négatif en opération %d", c);
            return false;
        }
        int remplies = 0;
        for (int l = 1; l <= lignes; ++l)
            remplies += CelluleRemplie(cellule(c, l)) ? 1 : 0;
        if (remplies == 1) {
            message = format("Opérande absent dans l'opération %d", c);
            return false;
        }
        if (operation_ != OP_ADDITION && !CelluleRemplie(cellule(c, 1)) && remplies > 0) {
            message = format("Premier opérande absent.\nErreur en opération %d", c);
            return false;
        }
    }
    for (int c = 1; c < COLONNES; ++c) {
        for (int l = 1; l <= lignes; ++l) {
            std::int16_t entiers = 0;
            std::int16_t decimales = 0;
            NbDigit(cellule(c, l), entiers, decimales);
            if (entiers + decimales > MAX_CHIFFRES) {
                message = format("Trop de chiffres en opération %d ligne %d", c, l);
                return false;
            }
        }
    }

    TTableOperandes paquet;
    for (TLigneOperandes& ligne : paquet)
        ligne.fill(-1.0);
    std::size_t rang = 0;
    for (int c = 1; c < COLONNES && rang < paquet.size(); ++c) {
        std::size_t j = 0;
        for (int l = 1; l <= lignes; ++l) {
            const std::string texte = cellule(c, l);
            if (CelluleRemplie(texte))
                paquet[rang][j++] = LitNombre(texte.substr(0, 30));
        }
        if (j > 0)
            ++rang;
    }
    if (paquet[0][0] == -1.0) {
        message = "Il faut au moins définir une opération\u00A0!";
        return false;
    }
    definition.ValeurMin = Reglages.ValeurMin;
    definition.ValeurMax = Reglages.ValeurMax;
    definition.Multiple1 = Reglages.Multiple1;
    definition.Multiple2 = Reglages.Multiple2;
    definition.Decimales = Reglages.Decimales;
    definition.PasDeZeros = Reglages.PasDeZeros;
    table = paquet;
    return true;
}
