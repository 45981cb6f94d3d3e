#include "AppTestSupport.h"

#include "sudoku/SudokuBase.h"
#include "sudoku/SudokuGeneration.h"
#include "sudoku/SudokuTestSupport.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

using namespace sudoku_test;

namespace {

std::vector<std::string> lignes(const std::string& texte) {
    std::vector<std::string> resultat;
    std::istringstream flux(texte);
    for (std::string ligne; std::getline(flux, ligne);)
        resultat.push_back(ligne);
    return resultat;
}

// What "rate" prints for a puzzle: the status of a full-level solve and the 14 counters.
std::string notation(int type, const std::string& probleme) {
    SudokuGrille g = GrilleDe(type, probleme);
    std::string texte = std::to_string(g.Resoudre(NiveauComplet));
    for (int i = 0; i < StatRegles::Taille; ++i)
        texte += " " + std::to_string(g.Stat[i]);
    return texte;
}

class SudokuCommands : public ScratchTest {
protected:
    static Outcome run(std::vector<std::string> args) {
        args.insert(args.begin(), "sudoku");
        return RunInProcess(args);
    }
    // The lines "db list" prints: number, key and puzzle of each record the filter keeps.
    static std::vector<std::string> liste(const std::string& base, const char* filtre = nullptr) {
        std::vector<std::string> args = {"db", "list", base};
        if (filtre != nullptr)
            args.insert(args.end(), {"--filtre", filtre});
        const Outcome r = run(args);
        EXPECT_EQ(r.code, EXIT_OK) << r.err;
        return lignes(r.out);
    }
};

} // namespace

// Each shape at one level: the options reach the generator; one seed gives the same puzzles.
TEST_F(SudokuCommands, GenerateGivesUniquePuzzlesOfTheShapeAndLevelAsked) {
    for (const auto& [f, niveau] :
         {std::pair{kFormes[0], 3}, {kFormes[1], 1}, {kFormes[2], 2}, {kFormes[3], 3}}) {
        const std::string type = std::to_string(f.type), n = std::to_string(niveau);
        const std::vector<std::string> args{"generate", "--type", type,     "--niveau", n,
                                            "--count",  "5",      "--seed", "5"};
        const Outcome r = run(args);
        ASSERT_EQ(r.code, EXIT_OK) << r.err;
        const auto puzzles = lignes(r.out);
        ASSERT_EQ(puzzles.size(), 5u);
        for (const std::string& p : puzzles) {
            ASSERT_EQ(p.size(), size_t(f.largeur * f.hauteur * f.largeur * f.hauteur));
            EXPECT_EQ(Backtracking(p, f.largeur, f.hauteur).NbSolutions(), 1) << p;
            EXPECT_EQ(GrilleDe(f.type, p).Resoudre(NiveauSolveur(niveau)), ssResolu) << p;
        }
        EXPECT_EQ(run(args).out, r.out);
    }
    const Outcome strict = run({"generate", "--count", "3", "--seed", "5", "--strict-level"});
    ASSERT_EQ(lignes(strict.out).size(), 3u) << strict.err;
    for (const std::string& p : lignes(strict.out)) {
        SudokuGrille note = GrilleDe(tg9x9, p);
        note.Resoudre(NiveauComplet);
        EXPECT_EQ(NiveauDeStat(note.Stat), 3) << p;
    }
    const Outcome plein = run({"generate", "--type", "3", "--nbvaleurs", "81", "--seed", "1"});
    ASSERT_EQ(plein.code, EXIT_OK);
    EXPECT_EQ(plein.out.find('0'), std::string::npos) << plein.out;
}

// One line a puzzle in input order, whatever the shape; comments, blank lines and '.' for an
// unknown cell are allowed; 6 x 6 lines read as boxes 2 x 3 when asked.
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
    EXPECT_EQ(run({"rate", write("six.txt", six + "\n"), "--type", "2"}).out,
              notation(tg6x6_2x3, six) + "\n");
}

// The whole sample rates as it was rated before the rater ran on candidate sets alone: the same
// status and 14 counters for every puzzle, blocked ones included.
TEST_F(SudokuCommands, RatingTheSampleKeepsEveryCounter) {
    std::ifstream attendu(std::string(VL_TEST_DATA) + "/sudoku17-sample-rate.txt");
    const std::string texte{std::istreambuf_iterator<char>(attendu), {}};
    ASSERT_EQ(std::count(texte.begin(), texte.end(), '\n'), 300);
    const Outcome r = run({"rate", CheminEchantillon()});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    EXPECT_EQ(lignes(r.out), lignes(texte));
}

// Bad files name their line and print nothing on standard output; bad commands are usage errors.
TEST_F(SudokuCommands, BadInputAndUsage) {
    struct Cas {
        std::vector<std::string> args;
        int code;
        std::string erreur;
    };
    const std::string quatre = "0000030002030010\n";
    const std::string base4 = write("q.dat", std::string("SudokuGrille") + char(tg4x4));
    const std::string abimee = write("t.dat", read(base4) + std::string(21 + 5, '1'));
    const Cas cas[] = {
        {{"db", "add", abimee, write("g.txt", quatre)}, EXIT_BAD_INPUT, "incomplet"},
        {{"db", "list", abimee}, EXIT_BAD_INPUT, "incomplet"},
        {{"rate", write("a.txt", quatre + "00000300020300\n")},
         EXIT_BAD_INPUT,
         ":2\u00A0: une grille a 81, 36 ou 16 cases"},
        {{"rate", write("b.txt", "000003000203001x\n")},
         EXIT_BAD_INPUT,
         "caractère «\u00A0x\u00A0»"},
        {{"rate", write("c.txt", "5000030002030010\n")},
         EXIT_BAD_INPUT,
         "le chiffre 5 n'existe pas dans une grille 4 × 4"},
        {{"rate", write("d.txt", quatre), "--type", "0"}, EXIT_BAD_INPUT, ""},
        {{"db", "add", base4, write("e.txt", std::string(81, '0') + "\n")}, EXIT_BAD_INPUT, ""},
        {{"db", "list", write("pas.dat", "bonjour tout le monde")}, EXIT_BAD_INPUT, ""},
        {{"db", "list", path("absent.dat")}, EXIT_IO, ""},
        {{"rate", path("absent.txt")}, EXIT_IO, ""},
        {{"db", "search", base4}, EXIT_USAGE, ""}, // no count
        {{"db", "search", base4, "--count", "1", "--rules", "2"}, EXIT_USAGE, ""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.args.empty() ? "" : c.args.front() + " " + c.args.back());
        const Outcome r = run(c.args);
        EXPECT_EQ(r.code, c.code);
        EXPECT_NE(r.err.find(c.erreur), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_EQ(read(base4), std::string("SudokuGrille") + char(tg4x4));
    EXPECT_EQ(read(abimee), read(base4) + std::string(21 + 5, '1'));
}

// One base created, added to (an unsolvable puzzle stays out, named by its line), searched with
// the checked rules, listed with number, key (the puzzle's rating) and puzzle, and filtered.
TEST_F(SudokuCommands, DatabaseLife) {
    const std::string base = path("six.dat");
    ASSERT_EQ(run({"db", "create", base, "--type", "1"}).code, EXIT_OK);
    EXPECT_EQ(run({"db", "create", base, "--type", "1"}).code, EXIT_IO);
    EXPECT_TRUE(liste(base).empty());
    const Outcome genere = run({"generate", "--type", "1", "--count", "12", "--seed", "8"});
    ASSERT_EQ(genere.code, EXIT_OK);
    const auto puzzles = lignes(genere.out);
    const std::string fichier = write("g.txt", genere.out + std::string(36, '0') + "\n");
    const Outcome ajout = run({"db", "add", base, fichier});
    ASSERT_EQ(ajout.code, EXIT_OK) << ajout.err;
    EXPECT_NE(ajout.out.find("12 grille(s) ajoutée(s), 1 ignorée(s)"), std::string::npos);
    EXPECT_NE(ajout.err.find("g.txt:13\u00A0:"), std::string::npos) << ajout.err;

    EXPECT_EQ(run({"db", "search", base, "--type", "2", "--count", "1"}).code, EXIT_BAD_INPUT);
    const Outcome r =
        run({"db", "search", base, "--count", "4", "--rules", "10000", "--seed", "4"});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    const auto tout = liste(base);
    ASSERT_EQ(tout.size(), 16u);
    std::multiset<std::string> listes, generees(puzzles.begin(), puzzles.end());
    int avecUnique = 0;
    for (size_t k = 0; k < tout.size(); ++k) {
        const std::string grille = tout[k].substr(tout[k].rfind(' ') + 1);
        EXPECT_EQ(Backtracking(grille, 3, 2).NbSolutions(), 1) << grille;
        SudokuGrille g = GrilleDe(tg6x6_3x2, grille);
        g.Resoudre(NiveauComplet);
        std::string attendue = std::to_string(k);
        for (int i = 0; i < 13; ++i)
            attendue += " " + std::to_string(g.Stat[i] & 0xFF);
        EXPECT_EQ(tout[k], attendue + " " + grille);
        avecUnique += g.Stat[rgUniqueCache] != 0;
        listes.insert(grille);
    }
    EXPECT_TRUE(std::includes(listes.begin(), listes.end(), generees.begin(), generees.end()));
    EXPECT_GE(avecUnique, 4);
    EXPECT_EQ(int(liste(base, "0100000000000").size()), avecUnique);
    EXPECT_TRUE(liste(base, "0000000000001").empty()); // no record needs a swordfish
}

// Attempts shared by workers give the same base whatever their timing, one puzzle a profile.
TEST_F(SudokuCommands, SearchByWorkersIsReproducible) {
    const auto recherche = [&](const std::string& nom) {
        const Outcome o = run({"db", "search", path(nom), "--type", "2", "--attempts", "300",
                               "--jobs", "3", "--per-profile", "1", "--seed", "9"});
        EXPECT_EQ(o.code, EXIT_OK) << o.err;
        EXPECT_NE(o.out.find("sur 300 étudiée(s)"), std::string::npos) << o.out;
        return read(path(nom));
    };
    EXPECT_EQ(recherche("b.dat"), recherche("a.dat"));
    std::set<std::string> profils;
    const auto tous = liste(path("a.dat"));
    ASSERT_GE(tous.size(), 2u);
    for (const std::string& ligne : tous) {
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
