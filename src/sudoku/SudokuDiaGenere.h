// The logic of the puzzle search dialog ("Génération de grille"): the rule check boxes and
// their process-wide memory, the checks before a search, the search thread's life, its two
// progress labels, and the hand-over of the puzzle found. The form only shows and forwards.
#pragma once

#include "platform/UserInterface.h"
#include "sudoku/SudokuGrille.h"
#include "sudoku/SudokuThread.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class SudokuDiaGenereModele : public TFormModel {
public:
    // Receives the puzzle found: its counters and its cell codes.
    using Recepteur =
        std::function<void(const StatRegles& stat, const std::array<std::int8_t, 81>& cases)>;

    static constexpr char NomFiche[] = "SudokuDiaGenere";
    static constexpr char NomBaseProduit[] = "Sudoku17.dat";
    static constexpr int TailleCheminMax = 259;

    // The component's grid type and database path; `enregistre` checks chkEnregistre.
    SudokuDiaGenereModele(int typeGrille, const std::string& cheminBase, bool enregistre,
                          Recepteur recepteur);
    ~SudokuDiaGenereModele() override;
    SudokuDiaGenereModele(const SudokuDiaGenereModele&) = delete;
    SudokuDiaGenereModele& operator=(const SudokuDiaGenereModele&) = delete;

    // The controls' states.
    ReglesRecherche Regles{}; // chkUniqueCache, chkVerrouille, chkUpletNu, chkUpletCache, chkAutre
    int AuMoins = 0;          // rgAuMoins: 1 for "aucune règle non cochée (plus restrictif)"
    bool Enregistre = false;  // chkEnregistre
    std::string NomFich;      // edNomFich (also the open dialog's file name)

    // The two progress labels (lb, lb2), as updated by the search.
    const std::string& TexteEtudiees() const { return etiquettes_->etudiees; }
    const std::string& TexteEnregistres() const { return etiquettes_->enregistres; }
    // Called after a label changed (the form repaints), and when the dialog must close.
    std::function<void()> Rafraichir;
    std::function<void()> Fermer;

    // The three speed buttons.
    void CocheTout() { Regles.fill(true); }
    void EffaceTout() { Regles.fill(false); }
    void Inverse();

    // "Rechercher": checks the result file and starts the search; false when it did not start.
    bool Rechercher();
    // "Arrêter": asks the search to stop and closes the dialog.
    void Arreter();
    // Closing: ends and deletes the search (the puzzle it found is handed over), and keeps the
    // check boxes for the next dialog.
    void Fermeture();

    bool EnCours() const { return thread_ != nullptr; }
    const SudokuThread* Thread() const { return thread_.get(); }
    // Seed of the next search (tests); the clock otherwise.
    void FixeGraine(std::uint32_t graine) { graine_ = graine; }

    // The component's database path after the dialog: the result file when results were saved
    // to one, otherwise empty (the path stays).
    std::string NouveauChemin() const;

    // What the dialog remembers for the life of the process.
    static ReglesRecherche ReglesMemorisees;
    static int AuMoinsMemorise;

private:
    struct Etiquettes {
        std::string etudiees;
        std::string enregistres;
        std::function<void()> rafraichir;
    };

    void termine();
    SudokuThread::Etiquette etiquette(std::string Etiquettes::*texte);

    const int typeGrille_;
    Recepteur recepteur_;
    std::shared_ptr<Etiquettes> etiquettes_ = std::make_shared<Etiquettes>();
    std::unique_ptr<SudokuThread> thread_;
    std::optional<std::uint32_t> graine_;
};
