#include "sudoku/SudokuMasques.h"

#include "sudoku/SudokuGeneration.h"
#include "sudoku/SudokuTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

using namespace sudoku_test;

namespace {

// A digest of every byte of the candidate strings.
std::string empreinte(const SudokuGrille& g) {
    unsigned long long h = 1469598103934665603ull;
    for (const auto& ligne : g.Cases)
        for (const auto& cellule : ligne)
            for (const char octet : cellule) {
                h ^= static_cast<unsigned char>(octet);
                h *= 1099511628211ull;
            }
    char texte[17];
    std::snprintf(texte, sizeof texte, "%016llx", h);
    return texte;
}

std::string compteurs(const StatRegles& s) {
    std::string texte;
    for (int i = 0; i < StatRegles::Taille; ++i)
        texte += " " + std::to_string(s[i]);
    return texte;
}

// Each kind of line of the reference file, recomputed by the engine in the same format.
std::string notation(const SudokuGrille& g, int statut) {
    return std::to_string(statut) + compteurs(g.Stat) + " " + empreinte(g);
}

std::string resolution(const std::vector<std::string>& puzzles, std::istringstream& champs) {
    int numero = 0, niveau = 0;
    champs >> numero >> niveau;
    SudokuGrille g;
    g.ChargeProbleme(puzzles.at(size_t(numero)));
    const int statut = g.Resoudre(niveau);
    return "R " + std::to_string(numero) + " " + std::to_string(niveau) + " " + notation(g, statut);
}

std::string completion(std::istringstream& champs) {
    int type = 0, graine = 0;
    champs >> type >> graine;
    TRandom alea{std::uint32_t(graine)};
    SudokuGrille g;
    g.FixeAlea(alea);
    g.FixeType(type);
    std::string indices, solution;
    const int statut = g.GenereAleatoire(indices, solution, NiveauComplet, type == 0 ? 2000 : 0);
    return "A " + std::to_string(type) + " " + std::to_string(graine) + " " +
           std::to_string(statut) + " " + indices + " " + solution + compteurs(g.Stat) + " " +
           empreinte(g) + " " + std::to_string(alea.Next());
}

std::string generation(std::istringstream& champs) {
    int type = 0, niveau = 0, nombre = 0, graine = 0;
    champs >> type >> niveau >> nombre >> graine;
    TRandom alea{std::uint32_t(graine * 7 + niveau)};
    const GrilleGeneree r = GenereGrille(type, niveau, nombre, alea);
    std::string cases;
    for (const std::int8_t code : r.Cases)
        cases += char('A' + code);
    std::ostringstream ligne;
    ligne << "G " << type << " " << niveau << " " << nombre << " " << graine << " " << r.Reussi
          << " " << cases << compteurs(r.Stat) << " " << alea.Next();
    return ligne.str();
}

// An adjustment line and the mixing line that follows it in the file.
std::vector<std::string> ajustement(const std::vector<std::string>& puzzles,
                                    std::istringstream& champs) {
    int numero = 0, niveau = 0;
    champs >> numero >> niveau;
    SudokuGrille resolue;
    resolue.ChargeProbleme(puzzles.at(size_t(numero)));
    resolue.Resoudre(NiveauComplet);
    const std::string solution = resolue.LitSolution();
    TRandom alea{std::uint32_t(numero * 3 + niveau)};
    SudokuGrille g;
    g.FixeAlea(alea);
    std::string a(81, '0'), c(81, '0');
    const int statut = g.AjusteProbleme(a, solution, c, niveau);
    std::vector<std::string> lignes;
    lignes.push_back("J " + std::to_string(numero) + " " + std::to_string(niveau) + " " +
                     std::to_string(statut) + " " + a + " " + c + compteurs(g.Stat) + " " +
                     empreinte(g) + " " + std::to_string(alea.Next()));
    g.EcritCaracteres(c);
    g.Transforme();
    std::string melangee;
    g.LitCaracteres(melangee);
    lignes.push_back("T " + melangee + " " + std::to_string(alea.Next()));
    return lignes;
}

} // namespace

TEST(SudokuMasquesTest, UnitsAndPeersOfEachShape) {
    for (const Forme& f : kFormes) {
        SudokuGrille grille;
        grille.FixeType(f.type);
        const GeometrieSudoku& g = GeometrieSudoku::De(f.largeur, f.hauteur);
        const int n = f.largeur * f.hauteur;
        ASSERT_EQ(g.n, n);
        ASSERT_EQ(g.nbCases, n * n);
        for (int u = 0; u < 3 * n; ++u)
            for (int k = 0; k < n; ++k) {
                int l = 0, c = 0;
                grille.CaseUnite(u, k, l, c);
                ASSERT_EQ(g.unite[u][k], l * n + c) << "type " << f.type << " unit " << u;
            }
        // Peers: the cells sharing one of the three units of a cell, the cell excluded.
        EXPECT_EQ(g.nbVoisins, 2 * (n - 1) + (n - f.largeur - f.hauteur + 1));
        for (int i = 0; i < n * n; ++i) {
            std::set<int> attendus;
            for (int u = 0; u < 3 * n; ++u) {
                bool dedans = false;
                for (int k = 0; k < n; ++k)
                    dedans |= g.unite[u][k] == i;
                for (int k = 0; k < n && dedans; ++k)
                    if (g.unite[u][k] != i)
                        attendus.insert(g.unite[u][k]);
            }
            const std::set<int> voisins(g.voisins[i], g.voisins[i] + g.nbVoisins);
            ASSERT_EQ(voisins, attendus) << "type " << f.type << " cell " << i;
            EXPECT_EQ(g.parColonnes[g.rangColonne[i]], i);
            EXPECT_EQ(g.rangColonne[i], (i % n) * n + i / n);
        }
    }
    // Unknown box sizes fall back to 9 x 9.
    EXPECT_EQ(GeometrieSudoku::De(4, 1).n, 9);
}

TEST(SudokuMasquesTest, CellSetsFindTheirNextMember) {
    EnsembleCases e;
    EXPECT_TRUE(e.Vide());
    EXPECT_EQ(e.Suivant(0), -1);
    for (const int i : {3, 63, 64, 80})
        e.Ajoute(i);
    EXPECT_EQ(e.Suivant(0), 3);
    EXPECT_EQ(e.Suivant(4), 63);
    EXPECT_EQ(e.Suivant(64), 64);
    EXPECT_EQ(e.Suivant(65), 80);
    EXPECT_EQ(e.Suivant(81), -1);
    e.Retire(64);
    EXPECT_EQ(e.Suivant(64), 80);
    EXPECT_TRUE(e.Contient(63));
    EXPECT_FALSE(e.Contient(64));
}

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
        std::istringstream champs(lignes[i].substr(2));
        const char sorte = lignes[i][0];
        ++comptes[sorte];
        switch (sorte) {
        case 'R':
            ASSERT_EQ(resolution(puzzles, champs), lignes[i]);
            break;
        case 'A':
            ASSERT_EQ(completion(champs), lignes[i]);
            break;
        case 'G':
            ASSERT_EQ(generation(champs), lignes[i]);
            break;
        case 'J': {
            const auto calculees = ajustement(puzzles, champs);
            ASSERT_EQ(calculees[0], lignes[i]);
            ASSERT_LT(i + 1, lignes.size());
            ASSERT_EQ(calculees[1], lignes[i + 1]);
            break;
        }
        case 'T':
            break;
        default:
            FAIL() << "line " << i + 1;
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
