#include "sudoku/SudokuGeneration.h"
#include "sudoku/SudokuTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

using namespace sudoku_test;

namespace {

// The counters, a digest of every byte of the candidate strings, and the next draw (so that
// the number of draws is checked too), as the reference file writes them.
std::string etat(const SudokuGrille& g, TRandom* alea = nullptr) {
    std::ostringstream texte;
    for (int i = 0; i < StatRegles::Taille; ++i)
        texte << " " << g.Stat[i];
    unsigned long long h = 1469598103934665603ull;
    for (const auto& ligne : g.Cases)
        for (const auto& cellule : ligne)
            for (const char octet : cellule)
                h = (h ^ static_cast<unsigned char>(octet)) * 1099511628211ull;
    char empreinte[18];
    std::snprintf(empreinte, sizeof empreinte, " %016llx", h);
    texte << empreinte;
    if (alea != nullptr)
        texte << " " << alea->Next();
    return texte.str();
}

// Recomputes one line of the reference file (and the mixing line after an adjustment).
std::string recalcule(const std::vector<std::string>& puzzles, const std::string& ligne,
                      std::string& suivante) {
    std::istringstream champs(ligne.substr(2));
    std::ostringstream r;
    r << ligne[0] << " ";
    int a = 0, b = 0, c = 0, d = 0;
    SudokuGrille g;
    switch (ligne[0]) {
    case 'R': { // solve of a sample puzzle at a level
        champs >> a >> b;
        g.ChargeProbleme(puzzles.at(size_t(a)));
        r << a << " " << b << " " << g.Resoudre(b) << etat(g);
        break;
    }
    case 'A': { // random completion of a type from a seed
        champs >> a >> b;
        TRandom alea{std::uint32_t(b)};
        g.FixeAlea(alea);
        g.FixeType(a);
        std::string indices, solution;
        const int statut = g.GenereAleatoire(indices, solution, NiveauComplet, a == 0 ? 2000 : 0);
        r << a << " " << b << " " << statut << " " << indices << " " << solution << etat(g, &alea);
        break;
    }
    case 'G': { // generation of a type, level and number of givens from a seed
        champs >> a >> b >> c >> d;
        TRandom alea{std::uint32_t(d * 7 + b)};
        const GrilleGeneree resultat = GenereGrille(a, b, c, alea);
        std::string cases;
        for (const std::int8_t code : resultat.Cases)
            cases += char('A' + code);
        r << a << " " << b << " " << c << " " << d << " " << resultat.Reussi << " " << cases;
        for (int i = 0; i < StatRegles::Taille; ++i)
            r << " " << resultat.Stat[i];
        r << " " << alea.Next();
        break;
    }
    case 'J': { // adjustment of a sample puzzle's solution to a level, then its mixing
        champs >> a >> b;
        g.ChargeProbleme(puzzles.at(size_t(a)));
        g.Resoudre(NiveauComplet);
        const std::string solution = g.LitSolution();
        TRandom alea{std::uint32_t(a * 3 + b)};
        g.FixeAlea(alea);
        std::string probleme(81, '0'), resultat(81, '0');
        const int statut = g.AjusteProbleme(probleme, solution, resultat, b);
        r << a << " " << b << " " << statut << " " << probleme << " " << resultat << etat(g, &alea);
        g.EcritCaracteres(resultat);
        g.Transforme();
        g.LitCaracteres(resultat);
        suivante = "T " + resultat + " " + std::to_string(alea.Next());
        break;
    }
    default:
        return "unknown line";
    }
    return r.str();
}

} // namespace

// The reference file holds what the engine gave when its candidates were strings of digits
// walked character by character: solves of the sample at three levels (status, counters and a
// digest of the final strings), random completions, generations, adjustments and mixings from
// seeds (with the next draw, so the number of draws is checked too). The bit-set engine must
// give every line again.
TEST(SudokuMasquesTest, SameResultsAsTheStringEngine) {
    const auto puzzles = LitPuzzles(CheminEchantillon());
    ASSERT_GE(puzzles.size(), 300u);
    std::ifstream fichier(std::string(VL_TEST_DATA) + "/sudoku-engine-reference.txt");
    ASSERT_TRUE(fichier.good());
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
            ASSERT_LT(i + 1, lignes.size());
            ASSERT_EQ(suivante, lignes[i + 1]);
        }
    }
    EXPECT_EQ(comptes['R'], 400);
    EXPECT_EQ(comptes['A'], 99);
    EXPECT_EQ(comptes['G'], 72);
    EXPECT_EQ(comptes['J'], 48);
}

// A try that goes down into a dead end ends at its node budget, the same way every time; a
// budget above what a try needs changes nothing.
TEST(SudokuMasquesTest, NodeBudgetOfTheRandomSearch) {
    struct Essai {
        int statut;
        std::string indices, solution;
        int tirageSuivant;
        bool operator==(const Essai&) const = default;
    };
    auto essai = [](std::uint32_t graine, long long noeuds) {
        TRandom alea(graine);
        SudokuGrille g;
        g.FixeAlea(alea);
        Essai e;
        e.statut = g.GenereAleatoire(e.indices, e.solution, NiveauComplet, 0, noeuds);
        e.tirageSuivant = alea.Next();
        return e;
    };
    // Seed 18 fixes, some thirty cells deep, values that leave no solution.
    const Essai impasse = essai(18, 20000);
    EXPECT_NE(impasse.statut, ssResolu);
    EXPECT_TRUE(impasse.solution.empty());
    EXPECT_EQ(essai(18, 20000), impasse);
    EXPECT_NE(essai(18, 30000).tirageSuivant, impasse.tirageSuivant);

    const Essai libre = essai(1, -1);
    ASSERT_EQ(libre.statut, ssResolu);
    EXPECT_EQ(essai(1, 100), libre);
}
