#include "sudoku/SudokuThread.h"

#include "platform/TempFolder.h"
#include "platform/UserInterface.h"
#include "sudoku/SudokuBase.h"
#include "sudoku/SudokuDiaGenere.h"
#include "sudoku/SudokuTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace sudoku_test;

namespace {

StatRegles avec(std::initializer_list<int> compteurs) {
    StatRegles s{};
    s[rgCellulesOpaques] = 40;
    for (int i : compteurs)
        s[i] = 1;
    return s;
}

ReglesRecherche regles(std::initializer_list<int> cochees) {
    ReglesRecherche r{};
    for (int i : cochees)
        r[size_t(i)] = true;
    return r;
}

// Waits (bounded) until the condition holds, running what the worker posted.
template <class Condition> bool attend(Condition condition) {
    const auto fin = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > fin)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        Ui().ProcessPosted();
    }
    return true;
}

// Checks a found puzzle: givens and hidden values of one valid, unique solution.
void verifieCases(const std::array<std::int8_t, 81>& cases, int n, int largeur, int hauteur) {
    std::string donnees(size_t(n * n), '0'), solution(size_t(n * n), '0');
    for (int i = 0; i < n * n; ++i) {
        const int code = cases[size_t(i)];
        ASSERT_TRUE((code >= 1 && code <= n) || (code >= 11 && code <= 10 + n)) << code;
        solution[i] = char('0' + code % 10);
        if (code < 10)
            donnees[i] = solution[i];
    }
    EXPECT_TRUE(SolutionValide(solution, largeur, hauteur));
    Backtracking reference(donnees, largeur, hauteur);
    EXPECT_EQ(reference.NbSolutions(), 1);
}

// The count shown by a "Enregistrés: N" label (0 before the first).
int compteEnregistres(const std::string& etiquette) {
    const std::string debut = "Enregistrés: ";
    return etiquette.rfind(debut, 0) == 0 ? std::stoi(etiquette.substr(debut.size())) : 0;
}

} // namespace

TEST(SudokuThreadTest, AcceptanceByCheckedRules) {
    EXPECT_TRUE(SudokuThread::Accepte(avec({}), regles({}), false));
    EXPECT_TRUE(SudokuThread::Accepte(avec({rgSwordfish}), regles({}), false));
    EXPECT_TRUE(SudokuThread::Accepte(avec({rgUniqueCache}), regles({rrUniqueCache}), false));
    EXPECT_FALSE(SudokuThread::Accepte(avec({rgUniqueCache}), regles({rrVerrouille}), false));
    EXPECT_TRUE(SudokuThread::Accepte(avec({rgVerrouLigne}), regles({rrVerrouille}), false));
    EXPECT_TRUE(SudokuThread::Accepte(avec({rgQuadrupletNu}), regles({rrUpletNu}), false));
    EXPECT_TRUE(SudokuThread::Accepte(avec({rgTripletCache}), regles({rrUpletCache}), false));
    // Hidden quintuples never make a puzzle accepted.
    EXPECT_FALSE(SudokuThread::Accepte(avec({rgQuintupletCache}), regles({rrUpletCache}), false));
    EXPECT_TRUE(SudokuThread::Accepte(avec({rgXWing}), regles({rrAutre}), false));
    // Counter 0 is no rule.
    EXPECT_FALSE(SudokuThread::Accepte(avec({}), regles({rrUniqueCache}), false));

    // The stricter choice also refuses a rule left unchecked.
    const StatRegles deux = avec({rgUniqueCache, rgXWing});
    EXPECT_TRUE(SudokuThread::Accepte(deux, regles({rrAutre}), false));
    EXPECT_FALSE(SudokuThread::Accepte(deux, regles({rrAutre}), true));
    EXPECT_TRUE(SudokuThread::Accepte(deux, regles({rrAutre, rrUniqueCache}), true));
    EXPECT_FALSE(
        SudokuThread::Accepte(avec({rgXWing, rgQuintupletCache}), regles({rrAutre}), true));
    EXPECT_TRUE(SudokuThread::Accepte(avec({}), regles({}), true));
    EXPECT_FALSE(SudokuThread::Accepte(avec({rgUniqueCache}), regles({}), true));
}

TEST(SudokuThreadTest, WithoutAFileTheFirstAcceptedPuzzleEndsTheSearch) {
    TTestUi ui;
    TScopedUi portee(ui);
    std::string etudiees;
    SudokuThread thread(
        tg9x9, regles({rrUniqueCache}), [&](const std::string& t) { etudiees = t; }, nullptr, "",
        false);
    thread.FixeGraine(17);
    thread.Start();
    thread.WaitFor();
    ui.ProcessPosted();
    ASSERT_TRUE(thread.Trouve());
    EXPECT_EQ(etudiees, std::to_string(thread.NbEtudiees()));
    EXPECT_GE(thread.NbEtudiees(), 1);
    EXPECT_GT(thread.Stat()[rgUniqueCache], 0);
    // The statistics are those of the puzzle handed over.
    SudokuGrille g;
    g.ChargeProbleme(thread.Probleme());
    EXPECT_EQ(g.Resoudre(NiveauComplet), ssResolu);
    EXPECT_EQ(g.Stat, thread.Stat());
    EXPECT_EQ(g.LitSolution(), thread.Solution().substr(0, 81));
    verifieCases(thread.Cases(), 9, 3, 3);
}

TEST(SudokuThreadTest, SixBySixHandsOverThirtySixCells) {
    TTestUi ui;
    TScopedUi portee(ui);
    SudokuThread thread(tg6x6_2x3, regles({}), nullptr, nullptr, "", false);
    thread.FixeGraine(3);
    thread.Start();
    thread.WaitFor();
    ASSERT_TRUE(thread.Trouve());
    const auto cases = thread.Cases();
    verifieCases(cases, 6, 2, 3);
    for (int i = 36; i < 81; ++i)
        EXPECT_EQ(cases[size_t(i)], 0);
}

// A depot takes each accepted puzzle in place of the file, with its attempt number, its
// counters and its N x N strings; the search stops when it answers false.
TEST(SudokuThreadTest, ADepotTakesThePuzzlesUntilItHasEnough) {
    TTestUi ui;
    TScopedUi portee(ui);
    struct Recu {
        int essai;
        StatRegles stat;
        std::string probleme, solution;
    };
    std::vector<Recu> recus;
    SudokuThread thread(tg4x4, regles({}), nullptr, nullptr, "", false);
    thread.FixeGraine(5);
    thread.FixeDepot([&](int essai, const StatRegles& stat, const std::string& probleme,
                         const std::string& solution) {
        recus.push_back({essai, stat, probleme, solution});
        return recus.size() < 4;
    });
    thread.Start();
    thread.WaitFor();
    ASSERT_EQ(recus.size(), 4u);
    EXPECT_EQ(recus.back().essai, thread.NbEtudiees());
    for (size_t k = 0; k < recus.size(); ++k) {
        const Recu& r = recus[k];
        if (k > 0) {
            EXPECT_GT(r.essai, recus[k - 1].essai);
        }
        ASSERT_EQ(r.probleme.size(), 16u);
        ASSERT_EQ(r.solution.size(), 16u);
        EXPECT_TRUE(SolutionValide(r.solution, 2, 2));
        EXPECT_TRUE(Compatible(r.probleme, r.solution));
        SudokuGrille g;
        g.FixeType(tg4x4);
        g.ChargeProbleme(r.probleme);
        EXPECT_EQ(g.Resoudre(NiveauComplet), ssResolu);
        EXPECT_EQ(g.Stat, r.stat);
    }
    EXPECT_TRUE(thread.Trouve());
    EXPECT_EQ(thread.NbEnregistres(), 0); // nothing went to a file
}

TEST(SudokuThreadTest, SavesAsItGoesUntilStopped) {
    TTestUi ui;
    TScopedUi portee(ui);
    TempFolder dossier;
    const std::string nom = dossier.file("resultats.dat");
    std::string enregistres;
    SudokuThread thread(
        tg4x4, regles({}), nullptr, [&](const std::string& t) { enregistres = t; }, nom, false);
    thread.FixeGraine(8);
    thread.Start();
    ASSERT_TRUE(attend([&] { return compteEnregistres(enregistres) >= 3; }));
    thread.Terminate();
    thread.WaitFor();
    ui.ProcessPosted();
    EXPECT_TRUE(thread.Trouve());
    EXPECT_EQ(enregistres, "Enregistrés: " + std::to_string(thread.NbEnregistres()));
    FichierBaseSudoku base;
    int type = -1;
    ASSERT_EQ(OuvreBaseLecture(nom, type, true, base), 0);
    EXPECT_EQ(type, tg4x4);
    EXPECT_EQ(base.NbEnregistrements(), thread.NbEnregistres());
    EnregistrementBase precedent, courant;
    for (std::int64_t k = 0; k < base.NbEnregistrements(); ++k) {
        ASSERT_TRUE(base.LitEnregistrement(k, courant));
        if (k > 0) {
            EXPECT_LE(CompareCles(precedent.Cle, courant.Cle), 0);
        }
        precedent = courant;
    }
}

TEST(SudokuThreadTest, AStopDuringARefusedAttemptHandsNothingOver) {
    TTestUi ui;
    TScopedUi portee(ui);
    TempFolder dossier;
    const std::string nom = dossier.file("r.dat");
    // Strict with no rule checked: only puzzles needing naked singles alone; the random
    // search's puzzles need hidden singles.
    SudokuThread thread(tg9x9, regles({}), nullptr, nullptr, nom, true);
    thread.FixeGraine(17);
    thread.Terminate();
    thread.Start();
    thread.WaitFor();
    EXPECT_EQ(thread.NbEtudiees(), 1);
    EXPECT_FALSE(thread.Trouve());
    EXPECT_FALSE(std::filesystem::exists(nom));
}

TEST(SudokuThreadTest, InsertionFailureEndsTheSearch) {
    TTestUi ui;
    TScopedUi portee(ui);
    TempFolder dossier;
    const std::string nom = dossier.put("x.dat", std::string("SudokuGrille") + char(0));
    SudokuThread thread(tg4x4, regles({}), nullptr, nullptr, nom, false);
    thread.Start();
    thread.WaitFor();
    ui.ProcessPosted();
    EXPECT_TRUE(thread.Trouve());
    EXPECT_EQ(thread.NbEnregistres(), 0);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0],
              "Incompatibilité de formats: impossible d'enregistrer ces grilles dans cette base.");
}

TEST(SudokuDiaGenereTest, ChecksBeforeSearching) {
    TTestUi ui;
    TScopedUi portee(ui);
    TempFolder dossier;
    SudokuDiaGenereModele modele(tg9x9, "  ", true, nullptr);
    EXPECT_FALSE(modele.Rechercher());
    modele.NomFich = dossier.file("SUDOKU17.DAT");
    EXPECT_FALSE(modele.Rechercher());
    modele.NomFich = dossier.put("quatre.dat", std::string("SudokuGrille") + char(3));
    EXPECT_FALSE(modele.Rechercher());
    modele.NomFich = dossier.put("faux.dat", "rien");
    EXPECT_FALSE(modele.Rechercher());
    EXPECT_FALSE(modele.EnCours());
    const std::vector<std::string> attendus = {
        "Il faut indiquer le fichier dans lequel stocker les résultats",
        "Le fichier 'Sudoku17.dat' est une base de données propre à Vorlane.\nNous ne "
        "conseillons pas d'y écrire vos données personnelles.\nVeuillez créer un nouveau "
        "fichier ou indiquer un fichier existant.",
        "Le format de grille inscrit dans le fichier est incompatible avec le format de grille "
        "actuel",
        "Le fichier ne contient pas une base de Sudokus valide",
    };
    EXPECT_EQ(ui.Messages(), attendus);
}

TEST(SudokuDiaGenereTest, TheFoundPuzzleGoesToTheComponentAndTheDialogCloses) {
    TTestUi ui;
    TScopedUi portee(ui);
    int recus = 0, fermetures = 0;
    std::array<std::int8_t, 81> cases{};
    StatRegles stat{};
    SudokuDiaGenereModele modele(tg4x4, "/ignored/Sudoku17.dat", false,
                                 [&](const StatRegles& s, const std::array<std::int8_t, 81>& c) {
                                     ++recus;
                                     stat = s;
                                     cases = c;
                                 });
    modele.Fermer = [&] { ++fermetures; };
    modele.FixeGraine(4);
    ASSERT_TRUE(modele.Rechercher());
    EXPECT_FALSE(modele.Rechercher()); // one search at a time
    ASSERT_TRUE(attend([&] { return fermetures > 0; }));
    EXPECT_EQ(recus, 1);
    verifieCases(cases, 4, 2, 2);
    EXPECT_EQ(stat, modele.Thread()->Stat());
    EXPECT_EQ(modele.TexteEtudiees(), std::to_string(modele.Thread()->NbEtudiees()));
    EXPECT_EQ(modele.NouveauChemin(), "");
    modele.Fermeture();
    EXPECT_FALSE(modele.EnCours());
}

TEST(SudokuDiaGenereTest, CheckBoxesAreRememberedForTheProcess) {
    SudokuDiaGenereModele::ReglesMemorisees = {};
    SudokuDiaGenereModele::AuMoinsMemorise = 0;
    {
        SudokuDiaGenereModele modele(tg9x9, "", false, nullptr);
        EXPECT_EQ(modele.Regles, ReglesRecherche{});
        modele.CocheTout();
        modele.Regles[rrUpletNu] = false;
        modele.Inverse();
        EXPECT_EQ(modele.Regles, regles({rrUpletNu}));
        modele.AuMoins = 1;
        modele.Fermeture();
    }
    SudokuDiaGenereModele suivant(tg9x9, "", false, nullptr);
    EXPECT_EQ(suivant.Regles, regles({rrUpletNu}));
    EXPECT_EQ(suivant.AuMoins, 1);
    suivant.EffaceTout();
    EXPECT_EQ(suivant.Regles, ReglesRecherche{});
    SudokuDiaGenereModele::ReglesMemorisees = {};
    SudokuDiaGenereModele::AuMoinsMemorise = 0;
}

TEST(SudokuDiaGenereTest, SavedResultsBecomeTheComponentsDatabase) {
    TTestUi ui;
    TScopedUi portee(ui);
    TempFolder dossier;
    const std::string nom = dossier.file("mes grilles.dat");
    SudokuDiaGenereModele modele(tg4x4, nom, true, nullptr);
    modele.FixeGraine(12);
    ASSERT_TRUE(modele.Rechercher());
    ASSERT_TRUE(attend([&] { return compteEnregistres(modele.TexteEnregistres()) >= 2; }));
    modele.Arreter();
    modele.Fermeture();
    EXPECT_EQ(modele.NouveauChemin(), nom);
    EXPECT_TRUE(std::filesystem::exists(nom));
    modele.NomFich = std::string(300, 'a');
    EXPECT_EQ(modele.NouveauChemin().size(), 259u);
}
