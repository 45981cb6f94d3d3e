#include "sudoku/SudokuGeneration.h"

#include "sudoku/SudokuBase.h"

#include <algorithm>
#include <cstddef>

namespace {

GrilleGeneree echec(const char* message) {
    GrilleGeneree resultat;
    resultat.Message = message;
    return resultat;
}

// From an adjusted puzzle C and its solution S: the per-cell codes, the extra givens, the
// symmetry, and the rating of what the component will show.
GrilleGeneree termine(SudokuGrille& grille, const std::string& solution,
                      const std::string& probleme, int nbValeurs) {
    const int n2 = grille.NbCases();
    std::string codes(size_t(n2), '0');
    int donnees = 0;
    for (int i = 0; i < n2; ++i) {
        if (probleme[i] != '0') {
            codes[i] = probleme[i];
            ++donnees;
        } else {
            codes[i] = char(solution[i] + 10);
        }
    }
    const int voulues = std::min(nbValeurs, n2);
    while (donnees < voulues) {
        int index = grille.Alea().Below(n2);
        while (codes[index] <= '9')
            index = (index + 1) % n2;
        codes[index] = char(codes[index] - 10);
        ++donnees;
    }

    grille.EcritCaracteres(codes);
    grille.Transforme();
    grille.LitCaracteres(codes);

    GrilleGeneree resultat;
    std::string visible(codes);
    for (int i = 0; i < n2; ++i) {
        resultat.Cases[size_t(i)] = std::int8_t(codes[i] - '0');
        if (visible[i] > '9')
            visible[i] = '0';
    }
    grille.ChargeProbleme(visible);
    resultat.Resolu = grille.Resoudre(NiveauComplet) == ssResolu;
    resultat.Stat = grille.Stat;
    resultat.Reussi = true;
    return resultat;
}

// Database records tried, at most, for a strict level before giving up.
constexpr int kEssaisBase = 50;

// The level a database key shows: its bytes are the low bytes of the solve's counters.
int niveauDeCle(const CleBase& cle) {
    StatRegles stat{};
    for (int i = 0; i < TailleCle; ++i)
        stat[i] = cle[std::size_t(i)];
    return NiveauDeStat(stat);
}

} // namespace

int NiveauSolveur(int niveau) {
    const int niveauSolveur = niveau - 1;
    if (niveauSolveur < 0)
        return 0;
    return niveauSolveur >= 2 ? NiveauComplet : niveauSolveur;
}

GrilleGeneree GenereGrille9x9(int niveau, int nbValeurs, TRandom& alea) {
    SudokuGrille grille;
    grille.FixeAlea(alea);
    grille.FixeType(tg9x9);
    const int n2 = grille.NbCases();
    std::string indices(size_t(n2), '0');
    std::string solution(size_t(n2), '0');
    while (grille.GenereAleatoire(indices, solution, NiveauComplet, LimiteRecherche9x9Ms) !=
           ssResolu)
        indices.assign(size_t(n2), '0');

    std::string resultat = indices;
    if (grille.AjusteProbleme(indices, solution, resultat, NiveauSolveur(niveau)) != ssResolu)
        return echec("Problème à la résolution d'une grille");
    return termine(grille, solution, resultat, nbValeurs);
}

namespace {

GrilleGeneree generePetite(int type, const char* erreurGrille, const char* erreurAjustement,
                           int niveau, int nbValeurs, TRandom& alea) {
    SudokuGrille grille;
    grille.FixeAlea(alea);
    grille.FixeType(type);
    const int n2 = grille.NbCases();
    std::string indices(size_t(n2), '0');
    std::string solution(size_t(n2), '0');
    if (grille.GenereAleatoire(indices, solution, NiveauComplet) != ssResolu)
        return echec(erreurGrille);

    indices.assign(size_t(n2), '0');
    std::string resultat = indices;
    if (grille.AjusteProbleme(indices, solution, resultat, NiveauSolveur(niveau)) != ssResolu)
        return echec(erreurAjustement);
    return termine(grille, solution, resultat, nbValeurs);
}

} // namespace

GrilleGeneree GenereGrille6x6(int largeurRegion, int niveau, int nbValeurs, TRandom& alea) {
    return generePetite(largeurRegion == 2 ? tg6x6_2x3 : tg6x6_3x2,
                        "Problème à la résolution d'une grille (Erreur 1)",
                        "Problème à la résolution d'une grille (Erreur 2)", niveau, nbValeurs,
                        alea);
}

GrilleGeneree GenereGrille4x4(int niveau, int nbValeurs, TRandom& alea) {
    return generePetite(tg4x4, "Problème à la résolution d'une grille (1)",
                        "Problème à la résolution d'une grille (2)", niveau, nbValeurs, alea);
}

GrilleGeneree GenereGrille(int type, int niveau, int nbValeurs, TRandom& alea) {
    switch (type) {
    case tg6x6_3x2:
        return GenereGrille6x6(3, niveau, nbValeurs, alea);
    case tg6x6_2x3:
        return GenereGrille6x6(2, niveau, nbValeurs, alea);
    case tg4x4:
        return GenereGrille4x4(niveau, nbValeurs, alea);
    default:
        return GenereGrille9x9(niveau, nbValeurs, alea);
    }
}

std::array<std::int8_t, 81> CodesCases(const std::string& probleme, const std::string& solution,
                                       int nombre) {
    std::array<std::int8_t, 81> cases{};
    for (int i = 0; i < nombre && i < 81; ++i) {
        const char donne = i < int(probleme.size()) ? probleme[i] : '0';
        const char valeur = i < int(solution.size()) ? solution[i] : '0';
        cases[size_t(i)] = donne != '0' ? std::int8_t(donne - '0') : std::int8_t(valeur - '0' + 10);
    }
    return cases;
}

int NiveauDeStat(const StatRegles& stat) {
    for (int regle = rgVerrouRegion; regle <= rgAutre; ++regle)
        if (stat[regle] != 0)
            return 3;
    return stat[rgUniqueCache] != 0 ? 2 : 1;
}

int NiveauMaxType(int type) {
    // Measured by the level benchmark: naked singles finish every 4 x 4 puzzle the generator
    // makes; 6 x 6 ones need more than singles about once in two hundred draws.
    return type == tg4x4 ? 1 : 3;
}

int NiveauStrictType(int type, int niveau) {
    return std::clamp(niveau, 1, NiveauMaxType(type));
}

int EssaisStricts(int type) {
    // A 9 x 9 draw reaches level 3 about once in three and takes milliseconds; a small grid
    // takes a fraction of a millisecond but reaches level 3 rarely.
    return type == tg9x9 ? 200 : 5000;
}

GrilleGeneree GrilleDeBase(const std::string& base, int type, int niveau, int nbValeurs,
                           TRandom& alea) {
    GrilleGeneree resultat;
    FichierBaseSudoku fichier;
    if (!OuvreBaseLecture(base, fichier, resultat.Message)) {
        // Quoted after a colon: starts in lower case.
        if (!resultat.Message.empty() && resultat.Message[0] >= 'A' && resultat.Message[0] <= 'Z')
            resultat.Message[0] = char(resultat.Message[0] - 'A' + 'a');
        return resultat;
    }
    if (fichier.Type() != type) {
        resultat.Message =
            "elle ne contient que des grilles " + std::string(NomTypeGrille(fichier.Type()));
        return resultat;
    }
    std::vector<std::int64_t> candidats;
    EnregistrementBase enregistrement;
    for (std::int64_t k = 0; fichier.LitEnregistrement(k, enregistrement); ++k)
        if (niveauDeCle(enregistrement.Cle) == niveau)
            candidats.push_back(k);
    if (candidats.empty()) {
        resultat.Message = "aucune de ses grilles n'est de ce niveau";
        return resultat;
    }
    for (int essai = 0; essai < kEssaisBase && !candidats.empty(); ++essai) {
        const std::size_t pris = std::size_t(alea.Below(int(candidats.size())));
        std::swap(candidats[pris], candidats.back());
        const bool lu = fichier.LitEnregistrement(candidats.back(), enregistrement);
        candidats.pop_back();
        if (!lu)
            continue;
        const std::string probleme = DecompacteProbleme(enregistrement.Grille.data(),
                                                        int(enregistrement.Grille.size()), type);
        SudokuGrille grille;
        grille.FixeAlea(alea);
        grille.FixeType(type);
        grille.ChargeProbleme(probleme);
        if (grille.Resoudre(NiveauComplet) != ssResolu)
            continue;
        GrilleGeneree prise = termine(grille, grille.LitSolution(), probleme, nbValeurs);
        if (prise.Resolu && NiveauDeStat(prise.Stat) == niveau)
            return prise;
    }
    resultat.Message = "aucune de ses grilles ne garde ce niveau avec au moins " +
                       std::to_string(nbValeurs) + " valeurs données";
    return resultat;
}

GrilleGeneree GenereGrilleStricte(int type, int niveau, int nbValeurs, TRandom& alea,
                                  const std::string& base) {
    const int vise = NiveauStrictType(type, niveau);
    // The hardest finished draw below the level, kept in case the level is out of reach: the
    // draws aim at each lower level in turn until one reaches it.
    GrilleGeneree meilleure;
    int niveauMeilleure = 0;
    GrilleGeneree prise;
    for (int cible = vise; cible > niveauMeilleure; --cible) {
        for (int essai = 0; essai < EssaisStricts(type) && niveauMeilleure < cible; ++essai) {
            GrilleGeneree grille = GenereGrille(type, cible, nbValeurs, alea);
            if (!grille.Reussi)
                return grille;
            const int obtenu = grille.Resolu ? NiveauDeStat(grille.Stat) : 0;
            if (obtenu == vise)
                return grille;
            if (obtenu < vise && obtenu > niveauMeilleure) {
                meilleure = std::move(grille);
                niveauMeilleure = obtenu;
            }
        }
        if (cible == vise && !base.empty()) {
            prise = GrilleDeBase(base, type, vise, nbValeurs, alea);
            if (prise.Reussi)
                return prise;
        }
    }
    const std::string donnees =
        nbValeurs > 0 ? " avec au moins " + std::to_string(nbValeurs) + " valeurs données" : "";
    if (niveauMeilleure > 0) {
        meilleure.Avertissement = "niveau " + std::to_string(vise) + " introuvable" + donnees +
                                  " en " + std::to_string(EssaisStricts(type)) + " essais" +
                                  (base.empty() ? "" : " ni dans la base") +
                                  "\u00A0: la grille tirée est de niveau " +
                                  std::to_string(niveauMeilleure);
        return meilleure;
    }
    GrilleGeneree echec;
    echec.Message = "Aucune grille " + std::string(NomTypeGrille(type)) + " de niveau " +
                    std::to_string(vise) + " en " + std::to_string(EssaisStricts(type)) +
                    " essais" + donnees;
    echec.Message += nbValeurs > 0 ? "\u00A0: diminuez ce nombre ou le niveau."
                                   : "\u00A0: construisez à nouveau ou choisissez un autre niveau.";
    if (!base.empty())
        echec.Message +=
            " La base «\u00A0" + base + "\u00A0» n'en donne pas\u00A0: " + prise.Message + ".";
    return echec;
}

namespace {

// By counter: what the technique is called for a teacher.
constexpr std::array<const char*, StatRegles::Taille> kTechniques{
    nullptr,
    "les candidats uniques cachés",
    "les candidats verrouillés dans une région",
    "les candidats verrouillés dans une ligne ou une colonne",
    "les paires nues",
    "les triplets nus",
    "les quadruplets nus",
    "les paires cachées",
    "les triplets cachés",
    "les quadruplets cachés",
    "les quintuplets cachés",
    "la formation en X",
    "l'espadon (formation en X sur trois lignes)",
    "des valeurs ajoutées, les techniques ne suffisant pas",
};

} // namespace

std::vector<std::string> TechniquesNecessaires(const StatRegles& stat) {
    std::vector<std::string> techniques;
    for (int regle = rgUniqueCache; regle < StatRegles::Taille; ++regle)
        if (stat[regle] != 0)
            techniques.emplace_back(kTechniques[std::size_t(regle)]);
    return techniques;
}

std::string PhraseNiveau(const StatRegles& stat) {
    const std::string debut = "Niveau " + std::to_string(NiveauDeStat(stat)) + "\u00A0: ";
    const std::vector<std::string> techniques = TechniquesNecessaires(stat);
    if (techniques.empty())
        return debut + "les candidats uniques suffisent.";
    std::string liste = techniques.front();
    for (std::size_t k = 1; k < techniques.size(); ++k)
        liste += (k + 1 == techniques.size() ? " et " : ", ") + techniques[k];
    return debut + "il faut " + liste + ".";
}

std::string NoteNiveau(int type, int niveau) {
    const int maximum = NiveauMaxType(type);
    if (niveau <= maximum)
        return {};
    const char* suffisent =
        maximum == 1 ? "les candidats uniques" : "les candidats uniques, simples ou cachés";
    return "Une grille " + std::string(NomTypeGrille(type)) + " se résout toujours avec " +
           suffisent + "\u00A0: le niveau " + std::to_string(niveau) +
           " n'y est pas atteignable, le niveau strict tire le niveau " + std::to_string(maximum) +
           ".";
}

const char* NomTypeGrille(int type) {
    switch (type) {
    case tg6x6_3x2:
        return "6 × 6 (régions de 3 × 2)";
    case tg6x6_2x3:
        return "6 × 6 (régions de 2 × 3)";
    case tg4x4:
        return "4 × 4";
    default:
        return "9 × 9";
    }
}
