// The background search for puzzles: random 9 x 9 (or smaller) grids are generated until one
// uses the wanted techniques, each accepted one saved in a database as it goes. A stop is seen
// inside an attempt, within milliseconds. Labels are updated on the user-interface thread, with
// at most one update waiting there; the result is read once the thread has ended.
#pragma once

#include "platform/Random.h"
#include "platform/Thread.h"
#include "sudoku/SudokuGrille.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// The rule flags, in the order of the search dialog's check boxes.
enum RegleRecherche : int {
    rrUniqueCache = 0, // hidden single
    rrVerrouille = 1,  // locked candidate (pointing, box-line reduction)
    rrUpletNu = 2,     // naked subsets
    rrUpletCache = 3,  // hidden subsets
    rrAutre = 4,       // X-wing, swordfish
};
using ReglesRecherche = std::array<bool, 5>;

class SudokuThread : public TThread {
public:
    // Receives a label's new text, on the user-interface thread.
    using Etiquette = std::function<void(const std::string&)>;

    // plusRestrictif: the dialog's second choice, which also refuses a puzzle that used a rule
    // left unchecked. An empty file name saves nothing and ends at the first accepted puzzle.
    SudokuThread(int type, const ReglesRecherche& regles, Etiquette etudiees, Etiquette enregistres,
                 std::string nomFichier, bool plusRestrictif);
    ~SudokuThread() override;

    // Draws from this seed instead of the clock (reproducible searches).
    void FixeGraine(std::uint32_t graine) { graine_ = graine; }

    // Receives each accepted puzzle on the worker thread in place of the result file: the
    // attempt's number (from 1), its counters, its problem and its solution (N x N characters
    // each). The search goes on while it answers true (and no stop was asked).
    using Depot = std::function<bool(int essai, const StatRegles& stat, const std::string& probleme,
                                     const std::string& solution)>;
    void FixeDepot(Depot depot) { depot_ = std::move(depot); }

    // Whether an accepted puzzle was found; Stat, Probleme and Solution are then the last one.
    // Read these once the thread has ended.
    bool Trouve() const { return trouve_; }
    const StatRegles& Stat() const { return stat_; }
    const std::string& Probleme() const { return probleme_; }
    const std::string& Solution() const { return solution_; }
    // Why the search ended before being asked to (the result file could not be written),
    // empty otherwise; read once the thread has ended.
    const std::string& Echec() const { return echec_; }
    // The attempts finished and the puzzles saved so far (read from any thread).
    int NbEtudiees() const { return progres_->etudiees; }
    int NbEnregistres() const { return progres_->enregistres; }
    // The component's cell codes of the puzzle found: the first 36 cells for the 6 x 6
    // types, all 81 otherwise.
    std::array<std::int8_t, 81> Cases() const;

    // The acceptance test of a solved attempt's counters.
    static bool Accepte(const StatRegles& stat, const ReglesRecherche& regles, bool plusRestrictif);

protected:
    void Execute() override;

private:
    // The counters and whether a label update waits on the user-interface thread, shared with
    // that update, which may run after the thread object has gone.
    struct Progres {
        std::atomic<int> etudiees{0};
        std::atomic<int> enregistres{0};
        std::atomic<bool> miseAJourEnAttente{false};
    };

    // Posts a label update unless one is waiting: that one shows the counts as they are when
    // it runs.
    void signaleProgres();
    // Hands an accepted puzzle to the depot or the file: false when the search must end.
    bool garde(int essai, const std::string& probleme, const std::string& solution, int cases);

    const int type_;
    const ReglesRecherche regles_;
    const Etiquette etiquetteEtudiees_;
    const Etiquette etiquetteEnregistres_;
    const std::string nomFichier_;
    const bool plusRestrictif_;
    std::optional<std::uint32_t> graine_;
    Depot depot_;
    TRandom alea_;
    const std::shared_ptr<Progres> progres_ = std::make_shared<Progres>();

    // Written by the worker, read once it has ended.
    std::string probleme_ = std::string(81, '0');
    std::string solution_ = std::string(81, '0');
    StatRegles stat_{};
    bool trouve_ = false;
    std::string echec_;
};
