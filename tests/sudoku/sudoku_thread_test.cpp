#include "sudoku/SudokuThread.h"

#include "platform/TempFolder.h"
#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace std::chrono_literals;

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

class CountingUi : public TTestUi {
public:
    std::atomic<int> posts{0};
    void Post(std::function<void()> fn) override {
        ++posts;
        TTestUi::Post(std::move(fn));
    }
};

// Waits (bounded) until the condition holds, leaving what the worker posts unrun.
template <class Condition> bool attend(Condition condition) {
    const auto fin = std::chrono::steady_clock::now() + 60s;
    while (!condition() && std::chrono::steady_clock::now() < fin)
        std::this_thread::sleep_for(2ms);
    return condition();
}

class SudokuThreadTest : public ::testing::Test {
protected:
    CountingUi ui;
    TScopedUi portee{ui};
    TempFolder dossier;
};

} // namespace

TEST(SudokuThreadAcceptance, ByCheckedRules) {
    struct Cas {
        StatRegles stat;
        ReglesRecherche regles;
        bool strict, accepte;
    };
    const StatRegles deux = avec({rgUniqueCache, rgXWing});
    const Cas cas[] = {
        {avec({rgTripletCache}), regles({rrUpletCache}), false, true},
        {avec({rgUniqueCache}), regles({rrVerrouille}), false, false},
        // Hidden quintuples never make a puzzle accepted.
        {avec({rgQuintupletCache}), regles({rrUpletCache}), false, false},
        {avec({}), regles({rrUniqueCache}), false, false},
        // The stricter choice also refuses a rule left unchecked.
        {deux, regles({rrAutre}), false, true},
        {deux, regles({rrAutre}), true, false},
        {deux, regles({rrAutre, rrUniqueCache}), true, true},
    };
    for (size_t i = 0; i < std::size(cas); ++i)
        EXPECT_EQ(SudokuThread::Accepte(cas[i].stat, cas[i].regles, cas[i].strict), cas[i].accepte)
            << "case " << i;
}

// The search ends on a base it cannot add to, and says why once it has ended.
TEST_F(SudokuThreadTest, AFailedSaveEndsTheSearchWithItsReason) {
    const std::string nom = dossier.put("x.dat", std::string("SudokuGrille") + char(0));
    SudokuThread thread(tg4x4, regles({}), nullptr, nullptr, nom, false);
    thread.Start();
    thread.WaitFor();
    EXPECT_TRUE(thread.Trouve());
    EXPECT_EQ(thread.NbEnregistres(), 0);
    EXPECT_EQ(thread.Echec(),
              "Incompatibilité de formats\u00A0: impossible d'enregistrer ces grilles dans cette base.");
    EXPECT_EQ(ReadBack(nom), std::string("SudokuGrille") + char(0));
}

// A 9 x 9 search for X-wings alone finds none and runs until stopped. One label update at most
// waits for a busy interface, showing the counts of when it runs. A stop ends an attempt.
TEST_F(SudokuThreadTest, OneLabelUpdateInFlightAndAStopSeenWithinAnAttempt) {
    std::string etudiees;
    SudokuThread thread(
        tg9x9, regles({rrAutre}), [&](const std::string& t) { etudiees = t; }, nullptr,
        dossier.file("r.dat"), true);
    thread.FixeGraine(17);
    thread.Start();
    ASSERT_TRUE(attend([&] { return thread.NbEtudiees() >= 3; }));
    EXPECT_EQ(ui.posts, 1);
    ui.ProcessPosted();
    EXPECT_GE(std::stoi(etudiees), 3);
    const int vues = thread.NbEtudiees();
    ASSERT_TRUE(attend([&] { return thread.NbEtudiees() > vues + 1; }));
    EXPECT_EQ(ui.posts, 2);

    const auto debut = std::chrono::steady_clock::now();
    thread.Terminate();
    thread.WaitFor();
    EXPECT_LT(std::chrono::steady_clock::now() - debut, 50ms);
    ui.ProcessPosted();
    EXPECT_EQ(etudiees, std::to_string(thread.NbEtudiees()));
    EXPECT_FALSE(thread.Trouve());
    EXPECT_FALSE(std::filesystem::exists(dossier.file("r.dat")));

    // Stopped before it starts: no attempt at all.
    SudokuThread arrete(tg9x9, regles({}), nullptr, nullptr, "", true);
    arrete.Terminate();
    arrete.Start();
    arrete.WaitFor();
    EXPECT_EQ(arrete.NbEtudiees(), 0);
}
