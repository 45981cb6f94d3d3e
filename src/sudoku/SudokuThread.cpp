#include "sudoku/SudokuThread.h"

#include "platform/UserInterface.h"
#include "sudoku/SudokuBase.h"
#include "sudoku/SudokuGeneration.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

std::uint32_t graineHorloge() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return std::uint32_t(std::uint64_t(ticks) ^ (std::uint64_t(ticks) >> 32));
}

// Whether the counters show a rule of the group; `strict` adds hidden quintuples to the hidden
// subsets (they never make a puzzle accepted, but they are a hidden-subset rule all the same).
bool utilise(const StatRegles& stat, int regle, bool strict) {
    switch (regle) {
    case rrUniqueCache:
        return stat[rgUniqueCache] > 0;
    case rrVerrouille:
        return stat[rgVerrouRegion] > 0 || stat[rgVerrouLigne] > 0;
    case rrUpletNu:
        return stat[rgPaireNue] > 0 || stat[rgTripletNu] > 0 || stat[rgQuadrupletNu] > 0;
    case rrUpletCache:
        return stat[rgPaireCachee] > 0 || stat[rgTripletCache] > 0 || stat[rgQuadrupletCache] > 0 ||
               (strict && stat[rgQuintupletCache] > 0);
    default:
        return stat[rgXWing] > 0 || stat[rgSwordfish] > 0;
    }
}

} // namespace

SudokuThread::SudokuThread(int type, const ReglesRecherche& regles, Etiquette etudiees,
                           Etiquette enregistres, std::string nomFichier, bool plusRestrictif)
    : type_(type), regles_(regles), etiquetteEtudiees_(std::move(etudiees)),
      etiquetteEnregistres_(std::move(enregistres)), nomFichier_(std::move(nomFichier)),
      plusRestrictif_(plusRestrictif) {}

SudokuThread::~SudokuThread() {
    // Execute uses the members: it must be over before they go.
    Terminate();
    WaitFor();
}

bool SudokuThread::Accepte(const StatRegles& stat, const ReglesRecherche& regles,
                           bool plusRestrictif) {
    bool cochee = false;
    bool utiliseeCochee = false;
    bool utiliseeNonCochee = false;
    for (int regle = 0; regle < int(regles.size()); ++regle) {
        cochee |= regles[size_t(regle)];
        if (regles[size_t(regle)])
            utiliseeCochee |= utilise(stat, regle, false);
        else
            utiliseeNonCochee |= utilise(stat, regle, true);
    }
    if (plusRestrictif && utiliseeNonCochee)
        return false;
    return !cochee || utiliseeCochee;
}

std::array<std::int8_t, 81> SudokuThread::Cases() const {
    const int nombre = type_ == tg6x6_3x2 || type_ == tg6x6_2x3 ? 36 : 81;
    return CodesCases(probleme_, solution_, nombre);
}

void SudokuThread::signaleProgres() {
    if (!etiquetteEtudiees_ && !etiquetteEnregistres_)
        return;
    if (progres_->miseAJourEnAttente.exchange(true))
        return;
    Ui().Post(
        [progres = progres_, etudiees = etiquetteEtudiees_, enregistres = etiquetteEnregistres_] {
            // Cleared before the counts are read: a count changed after this read posts again.
            progres->miseAJourEnAttente = false;
            if (etudiees)
                etudiees(std::to_string(progres->etudiees.load()));
            const int nombre = progres->enregistres;
            if (enregistres && nombre > 0)
                enregistres("Enregistrés\u00A0: " + std::to_string(nombre));
        });
}

bool SudokuThread::garde(int essai, const std::string& probleme, const std::string& solution,
                         int cases) {
    if (depot_)
        return depot_(essai, stat_, probleme.substr(0, size_t(cases)),
                      solution.substr(0, size_t(cases)));
    if (nomFichier_.empty())
        return false; // the first accepted puzzle is the result
    if (!AjouteEnBase(stat_, nomFichier_, type_, probleme, echec_))
        return false;
    ++progres_->enregistres;
    return true;
}

void SudokuThread::Execute() {
    alea_.Seed(graine_ ? *graine_ : graineHorloge());
    SudokuGrille grille;
    grille.FixeAlea(alea_);
    grille.FixeType(type_);
    const std::stop_token arret = StopToken();
    std::string probleme;
    std::string solution(81, '0');

    while (!arret.stop_requested()) {
        probleme.assign(81, '0');
        solution.assign(81, '0');
        const int statut = grille.GenereAleatoire(probleme, solution, NiveauComplet,
                                                  LimiteRecherche9x9Ms, -1, arret);
        if (statut != ssResolu && arret.stop_requested())
            return; // cut short: not an attempt studied
        const int essai = ++progres_->etudiees;
        if (statut == ssResolu && Accepte(grille.Stat, regles_, plusRestrictif_)) {
            trouve_ = true;
            stat_ = grille.Stat;
            probleme_ = probleme;
            solution_ = solution;
            const bool continuer = garde(essai, probleme, solution, grille.NbCases());
            signaleProgres();
            if (!continuer)
                return;
        } else {
            signaleProgres();
        }
        Yield();
    }
}
