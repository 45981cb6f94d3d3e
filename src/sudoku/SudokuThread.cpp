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

void SudokuThread::poste(const Etiquette& etiquette, std::string texte) {
    if (etiquette)
        Ui().Post([etiquette, texte = std::move(texte)] { etiquette(texte); });
}

void SudokuThread::Execute() {
    alea_.Seed(graine_ ? *graine_ : graineHorloge());
    trouve_ = false;
    SudokuGrille grille;
    grille.FixeAlea(alea_);
    grille.FixeType(type_);

    for (;;) {
        probleme_.assign(81, '0');
        const int statut =
            grille.GenereAleatoire(probleme_, solution_, NiveauComplet, LimiteRecherche9x9Ms);
        const int etudiees = ++etudiees_;
        poste(etiquetteEtudiees_, std::to_string(etudiees));
        const bool arretDemande = Terminated();
        if (!arretDemande && statut != ssResolu) {
            Yield();
            continue;
        }
        if (statut != ssResolu || !Accepte(grille.Stat, regles_, plusRestrictif_)) {
            trouve_ = false;
            if (arretDemande)
                return;
            Yield();
            continue;
        }

        stat_ = grille.Stat;
        bool enregistre = true;
        if (depot_) {
            const size_t cases = size_t(grille.NbCases());
            enregistre =
                depot_(etudiees, stat_, probleme_.substr(0, cases), solution_.substr(0, cases));
        } else if (!nomFichier_.empty()) {
            std::string message;
            enregistre = AjouteEnBase(stat_, nomFichier_, type_, probleme_, message);
            if (enregistre) {
                ++enregistres_;
                poste(etiquetteEnregistres_, "Enregistrés: " + std::to_string(enregistres_));
            } else {
                Ui().Post([message] { Ui().MessageBox(message, "ERREUR", MB_OK | MB_ICONERROR); });
            }
        }
        trouve_ = true;
        if (Terminated() || (nomFichier_.empty() && !depot_) || !enregistre)
            return;
        Yield();
    }
}
