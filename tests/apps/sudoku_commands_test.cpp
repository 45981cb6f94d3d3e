#include "Commands.h"

#include "platform/TempFolder.h"
#include "sudoku/SudokuBase.h"
#include "sudoku/SudokuGeneration.h"
#include "sudoku/SudokuTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>

using namespace sudoku_test;

namespace {

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

Outcome run(std::vector<std::string> args) {
    args.insert(args.begin(), "sudoku");
    std::ostringstream out;
    std::ostringstream err;
    Outcome r;
    r.code = RunMathsheet(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

std::vector<std::string> lignes(const std::string& texte) {
    std::vector<std::string> resultat;
    std::istringstream flux(texte);
    for (std::string ligne; std::getline(flux, ligne);)
        resultat.push_back(ligne);
    return resultat;
}

// What "rate" prints for a puzzle: the status of a full-level solve and the 14 counters.
std::string notation(int type, const std::string& probleme) {
    SudokuGrille g;
    g.FixeType(type);
    g.ChargeProbleme(probleme);
    std::string texte = std::to_string(g.Resoudre(NiveauComplet));
    for (int i = 0; i < StatRegles::Taille; ++i)
        texte += " " + std::to_string(g.Stat[i]);
    return texte;
}

class SudokuCommands : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return dossier_.file(name); }
    std::string write(const std::string& name, const std::string& text) const {
        return dossier_.put(name, text);
    }
    static std::string read(const std::string& file) { return ReadBack(file); }

    TempFolder dossier_;
};

} // namespace

// Each shape at one level: the options reach the generator (the puzzles themselves are
// checked in depth by the generation tests).
TEST_F(SudokuCommands, GenerateGivesUniquePuzzlesOfTheShapeAndLevelAsked) {
    const std::pair<Forme, int> cas[] = {
        {kFormes[0], 3}, {kFormes[1], 1}, {kFormes[2], 2}, {kFormes[3], 3}};
    for (const auto& [f, niveau] : cas) {
        const std::vector<std::string> args = {"generate",
                                               "--type",
                                               std::to_string(f.type),
                                               "--niveau",
                                               std::to_string(niveau),
                                               "--count",
                                               "5",
                                               "--seed",
                                               "5"};
        const Outcome r = run(args);
        ASSERT_EQ(r.code, EXIT_OK) << r.err;
        const auto puzzles = lignes(r.out);
        ASSERT_EQ(puzzles.size(), 5u);
        for (const std::string& p : puzzles) {
            ASSERT_EQ(p.size(), size_t(f.largeur * f.hauteur * f.largeur * f.hauteur));
            EXPECT_EQ(Backtracking(p, f.largeur, f.hauteur).NbSolutions(), 1) << p;
            SudokuGrille g;
            g.FixeType(f.type);
            g.ChargeProbleme(p);
            EXPECT_EQ(g.Resoudre(NiveauSolveur(niveau)), ssResolu) << p;
        }
        EXPECT_EQ(run(args).out, r.out); // the same seed gives the same puzzles
    }
    const Outcome plein = run({"generate", "--type", "3", "--nbvaleurs", "81", "--seed", "1"});
    ASSERT_EQ(plein.code, EXIT_OK);
    EXPECT_EQ(plein.out.find('0'), std::string::npos) << plein.out;
}

TEST_F(SudokuCommands, RateGivesOneLineAPuzzleInInputOrder) {
    const auto echantillon = LitPuzzles(CheminEchantillon());
    ASSERT_GE(echantillon.size(), 3u);
    std::string pointe = echantillon[1];
    std::replace(pointe.begin(), pointe.end(), '0', '.');
    const std::string six = "000500105000020300500060000006003004";
    const std::string quatre = "0000030002030010";
    const std::string fichier =
        write("grilles.txt", "# des grilles\n" + echantillon[0] + "\r\n\n" + pointe + "\n" + six +
                                 "\n" + quatre + "\n" + echantillon[2] + "\n");
    const Outcome r = run({"rate", fichier});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    EXPECT_EQ(lignes(r.out),
              (std::vector<std::string>{notation(tg9x9, echantillon[0]),
                                        notation(tg9x9, echantillon[1]), notation(tg6x6_3x2, six),
                                        notation(tg4x4, quatre), notation(tg9x9, echantillon[2])}));

    // 6 x 6 lines read as boxes 2 x 3 when asked.
    const std::string sixSeul = write("six.txt", six + "\n");
    EXPECT_EQ(run({"rate", sixSeul, "--type", "2"}).out, notation(tg6x6_2x3, six) + "\n");
}

TEST_F(SudokuCommands, RateTheFirstPuzzlesOfTheCollection) {
    auto puzzles = LitPuzzles(CheminCollection());
    if (puzzles.empty())
        GTEST_SKIP() << "the full 17-clue collection is not installed: no file "
                     << CheminCollection() << " (set VL_SUDOKU17 to its path)";
    puzzles.resize(std::min<size_t>(puzzles.size(), 2000));
    std::string texte;
    for (const std::string& p : puzzles)
        texte += p + "\n";
    const Outcome r = run({"rate", write("debut.txt", texte)});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    const auto notes = lignes(r.out);
    ASSERT_EQ(notes.size(), puzzles.size());
    for (size_t i = 0; i < puzzles.size(); i += 97)
        EXPECT_EQ(notes[i], notation(tg9x9, puzzles[i]));
}

TEST_F(SudokuCommands, BadInputAndUsage) {
    struct Cas {
        std::string contenu;
        std::string attendu;
    };
    const Cas cas[] = {
        {"0000030002030010\n00000300020300\n", ":2 : une grille a 81, 36 ou 16 cases"},
        {"000003000203001x\n", "caractère « x »"},
        {"5000030002030010\n", "le chiffre 5 n'existe pas dans une grille 4 × 4"},
    };
    for (const Cas& c : cas) {
        const Outcome r = run({"rate", write("f.txt", c.contenu)});
        EXPECT_EQ(r.code, EXIT_BAD_INPUT);
        EXPECT_NE(r.err.find(c.attendu), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_EQ(run({"rate", write("q.txt", "0000030002030010\n"), "--type", "0"}).code,
              EXIT_BAD_INPUT);
    EXPECT_EQ(run({"rate", path("absent.txt")}).code, EXIT_IO);
    EXPECT_EQ(run({"rate"}).code, EXIT_USAGE);
    EXPECT_EQ(run({}).code, EXIT_USAGE);
    EXPECT_EQ(run({"solve"}).code, EXIT_USAGE);
    EXPECT_EQ(run({"generate", "--type", "4"}).code, EXIT_USAGE);
    EXPECT_EQ(run({"generate", "--niveau"}).code, EXIT_USAGE);
    EXPECT_EQ(run({"generate", "--vite", "1"}).code, EXIT_USAGE);
    EXPECT_EQ(run({"db"}).code, EXIT_USAGE);
    EXPECT_EQ(run({"db", "list", path("b.dat"), "--filtre", "0101"}).code, EXIT_USAGE);
    EXPECT_EQ(run({"db", "search", path("b.dat")}).code, EXIT_USAGE); // no count
    EXPECT_EQ(run({"db", "search", path("b.dat"), "--count", "1", "--rules", "2"}).code,
              EXIT_USAGE);
}

// add inserts as the component's AjouteEnBase does, one record at a time.
TEST_F(SudokuCommands, DatabaseCreateAddAndList) {
    const std::string base = path("quatre.dat");
    const Outcome cree = run({"db", "create", base, "--type", "3"});
    ASSERT_EQ(cree.code, EXIT_OK) << cree.err;
    EXPECT_EQ(read(base), std::string("SudokuGrille") + char(3));
    EXPECT_EQ(run({"db", "create", base, "--type", "3"}).code, EXIT_IO);
    // An empty base lists nothing.
    EXPECT_EQ(run({"db", "list", base}).out, "");

    const Outcome genere = run({"generate", "--type", "3", "--count", "12", "--seed", "8"});
    ASSERT_EQ(genere.code, EXIT_OK);
    const auto puzzles = lignes(genere.out);
    // An empty grid: the solver does not finish it, so it stays out.
    const std::string fichier = write("g.txt", genere.out + std::string(16, '0') + "\n");
    const Outcome ajout = run({"db", "add", base, fichier});
    ASSERT_EQ(ajout.code, EXIT_OK) << ajout.err;
    EXPECT_NE(ajout.out.find("12 grille(s) ajoutée(s), 1 ignorée(s)"), std::string::npos);
    EXPECT_NE(ajout.err.find("g.txt:13 :"), std::string::npos) << ajout.err;

    const std::string temoin = path("temoin.dat");
    for (const std::string& p : puzzles) {
        SudokuGrille g;
        g.FixeType(tg4x4);
        g.ChargeProbleme(p);
        ASSERT_EQ(g.Resoudre(NiveauComplet), ssResolu);
        std::string message;
        ASSERT_TRUE(AjouteEnBase(g.Stat, temoin, tg4x4, p, message)) << message;
    }
    EXPECT_EQ(read(base), read(temoin));

    // list: number, key and puzzle; a filter keeps the records whose checked counters are set.
    const auto tout = lignes(run({"db", "list", base}).out);
    ASSERT_EQ(tout.size(), 12u);
    std::multiset<std::string> listes, generees(puzzles.begin(), puzzles.end());
    int avecUnique = 0;
    for (size_t k = 0; k < tout.size(); ++k) {
        const std::string grille = tout[k].substr(tout[k].rfind(' ') + 1);
        SudokuGrille g;
        g.FixeType(tg4x4);
        g.ChargeProbleme(grille);
        g.Resoudre(NiveauComplet);
        std::string attendue = std::to_string(k);
        for (int i = 0; i < 13; ++i)
            attendue += " " + std::to_string(g.Stat[i] & 0xFF);
        EXPECT_EQ(tout[k], attendue + " " + grille);
        avecUnique += g.Stat[rgUniqueCache] != 0;
        listes.insert(grille);
    }
    EXPECT_EQ(listes, generees);
    EXPECT_EQ(int(lignes(run({"db", "list", base, "--filtre", "0100000000000"}).out).size()),
              avecUnique);
    // No record needs a swordfish.
    const Outcome aucun = run({"db", "list", base, "--filtre", "0000000000001"});
    EXPECT_EQ(aucun.code, EXIT_OK);
    EXPECT_EQ(aucun.out, "");

    // Puzzles of another shape, a file that is not a base.
    EXPECT_EQ(run({"db", "add", base, write("n.txt", std::string(81, '0') + "\n")}).code,
              EXIT_BAD_INPUT);
    EXPECT_EQ(run({"db", "list", write("pas.dat", "bonjour tout le monde")}).code, EXIT_BAD_INPUT);
    EXPECT_EQ(run({"db", "list", path("absent.dat")}).code, EXIT_IO);
}

TEST_F(SudokuCommands, DatabaseSearch) {
    // Until a count of puzzles using a rule (hidden singles) are added.
    const std::string base = path("recherche.dat");
    const Outcome r = run(
        {"db", "search", base, "--type", "1", "--count", "6", "--rules", "10000", "--seed", "4"});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    const auto enregistrements = lignes(run({"db", "list", base}).out);
    ASSERT_EQ(enregistrements.size(), 6u);
    EXPECT_EQ(lignes(run({"db", "list", base, "--filtre", "0100000000000"}).out).size(), 6u);
    for (const std::string& ligne : enregistrements) {
        const std::string grille = ligne.substr(ligne.rfind(' ') + 1);
        ASSERT_EQ(grille.size(), 36u);
        Backtracking reference(grille, 3, 2);
        EXPECT_EQ(reference.NbSolutions(), 1) << grille;
    }
    // Another shape cannot go into this base.
    EXPECT_EQ(run({"db", "search", base, "--type", "2", "--count", "1"}).code, EXIT_BAD_INPUT);

    // A number of attempts shared by workers gives the same base whatever their timing; at
    // most one puzzle a technique profile is kept.
    const std::vector<std::string> args = {"--type",        "2", "--attempts", "300", "--jobs", "3",
                                           "--per-profile", "1", "--seed",     "9"};
    auto recherche = [&](const std::string& nom) {
        std::vector<std::string> a = {"db", "search", path(nom)};
        a.insert(a.end(), args.begin(), args.end());
        const Outcome o = run(a);
        EXPECT_EQ(o.code, EXIT_OK) << o.err;
        EXPECT_NE(o.out.find("sur 300 étudiée(s)"), std::string::npos) << o.out;
        return read(path(nom));
    };
    const std::string premiere = recherche("a.dat");
    EXPECT_EQ(recherche("b.dat"), premiere);
    std::set<std::string> profils;
    const auto liste = lignes(run({"db", "list", path("a.dat")}).out);
    ASSERT_GE(liste.size(), 2u);
    for (const std::string& ligne : liste) {
        std::istringstream champs(ligne);
        int numero = 0, octet = 0;
        champs >> numero >> octet; // counter 0 is not part of the profile
        std::string profil;
        for (int i = 1; i < 13; ++i) {
            champs >> octet;
            profil += octet != 0 ? '1' : '0';
        }
        EXPECT_TRUE(profils.insert(profil).second) << profil;
    }
}
