#include "sudoku/SudokuGeneration.h"
#include "sudoku/SudokuTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <tuple>

using namespace sudoku_test;

namespace {

std::string compteurs(const StatRegles& stat) {
    std::string texte;
    for (int i = 0; i < StatRegles::Taille; ++i)
        texte += " " + std::to_string(stat[i]);
    return texte;
}

// The counters, a digest of every byte of the candidate strings and the next draw when there
// is one (so that the number of draws is checked too), as the reference file writes them.
std::string etat(const SudokuGrille& g, TRandom* alea = nullptr) {
    unsigned long long h = 1469598103934665603ull;
    for (const auto& ligne : g.Cases)
        for (const auto& cellule : ligne)
            for (const char octet : cellule)
                h = (h ^ static_cast<unsigned char>(octet)) * 1099511628211ull;
    char empreinte[18];
    std::snprintf(empreinte, sizeof empreinte, " %016llx", h);
    return compteurs(g.Stat) + empreinte + (alea ? " " + std::to_string(alea->Next()) : "");
}

// Recomputes one line of the reference file from its leading fields; an adjustment also gives
// the mixing line that follows it.
std::string recalcule(const std::vector<std::string>& puzzles, const std::string& ligne,
                      std::string& suivante) {
    std::istringstream champs(ligne.substr(2));
    int a = 0, b = 0, c = 0, d = 0;
    champs >> a >> b;
    std::string r = ligne.substr(0, 2) + std::to_string(a) + " " + std::to_string(b) + " ";
    SudokuGrille g;
    TRandom alea{std::uint32_t(ligne[0] == 'A' ? b : a * 3 + b)};
    switch (ligne[0]) {
    case 'R': { // solve of a sample puzzle at a level
        g.ChargeProbleme(puzzles.at(size_t(a)));
        const int statut = g.Resoudre(b);
        return r + std::to_string(statut) + etat(g);
    }
    case 'A': { // random completion of a type from a seed
        g.FixeAlea(alea);
        g.FixeType(a);
        std::string indices, solution;
        const int statut = g.GenereAleatoire(indices, solution, NiveauComplet, a == 0 ? 2000 : 0);
        return r + std::to_string(statut) + " " + indices + " " + solution + etat(g, &alea);
    }
    case 'G': { // generation of a type, level and number of givens from a seed
        champs >> c >> d;
        alea = TRandom{std::uint32_t(d * 7 + b)};
        const GrilleGeneree resultat = GenereGrille(a, b, c, alea);
        std::string cases;
        for (const std::int8_t code : resultat.Cases)
            cases += char('A' + code);
        return r + std::to_string(c) + " " + std::to_string(d) + " " +
               std::to_string(resultat.Reussi) + " " + cases + compteurs(resultat.Stat) + " " +
               std::to_string(alea.Next());
    }
    case 'J': { // adjustment of a sample puzzle's solution to a level, then its mixing
        g.ChargeProbleme(puzzles.at(size_t(a)));
        g.Resoudre(NiveauComplet);
        const std::string solution = g.LitSolution();
        g.FixeAlea(alea);
        std::string probleme(81, '0'), resultat(81, '0');
        const int statut = g.AjusteProbleme(probleme, solution, resultat, b);
        r += std::to_string(statut) + " " + probleme + " " + resultat + etat(g, &alea);
        g.EcritCaracteres(resultat);
        g.Transforme();
        g.LitCaracteres(resultat);
        suivante = "T " + resultat + " " + std::to_string(alea.Next());
        return r;
    }
    }
    return "unknown line";
}

} // namespace

// The reference file holds what the string-candidate engine gave for solves, completions,
// generations, adjustments and mixings from seeds: one seed must keep giving one puzzle.
TEST(SudokuMasquesTest, SameResultsAsTheStringEngine) {
    const auto puzzles = LitPuzzles(CheminEchantillon());
    std::ifstream fichier(std::string(VL_TEST_DATA) + "/sudoku-engine-reference.txt");
    std::vector<std::string> lignes;
    for (std::string ligne; std::getline(fichier, ligne);)
        lignes.push_back(ligne);
    std::map<char, int> comptes;
    for (size_t i = 0; i < lignes.size(); ++i) {
        ++comptes[lignes[i][0]];
        if (lignes[i][0] == 'T')
            continue; // checked with its adjustment
        std::string suivante;
        ASSERT_EQ(recalcule(puzzles, lignes[i], suivante), lignes[i]) << "line " << i + 1;
        if (!suivante.empty()) {
            ASSERT_EQ(suivante, lignes.at(i + 1));
        }
    }
    EXPECT_EQ(comptes,
              (std::map<char, int>{{'A', 99}, {'G', 72}, {'J', 48}, {'R', 400}, {'T', 48}}));
}

// A try that goes down into a dead end ends at its node budget, the same way every time; a
// budget above what a try needs changes nothing.
TEST(SudokuMasquesTest, NodeBudgetOfTheRandomSearch) {
    // Status, clues, solution and next draw of a try from a seed.
    const auto essai = [](std::uint32_t graine, long long noeuds) {
        TRandom alea(graine);
        SudokuGrille g;
        g.FixeAlea(alea);
        std::string indices, solution;
        const int statut = g.GenereAleatoire(indices, solution, NiveauComplet, 0, noeuds);
        return std::tuple(statut, indices, solution, alea.Next());
    };
    // Seed 18 fixes, some thirty cells deep, values that leave no solution.
    const auto impasse = essai(18, 20000);
    EXPECT_NE(std::get<0>(impasse), ssResolu);
    EXPECT_TRUE(std::get<2>(impasse).empty());
    EXPECT_EQ(essai(18, 20000), impasse);
    EXPECT_NE(std::get<3>(essai(18, 30000)), std::get<3>(impasse));
    const auto libre = essai(1, -1);
    ASSERT_EQ(std::get<0>(libre), ssResolu);
    EXPECT_EQ(essai(1, 100), libre);
}
