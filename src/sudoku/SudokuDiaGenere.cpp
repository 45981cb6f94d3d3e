#include "sudoku/SudokuDiaGenere.h"

#include "platform/Text.h"
#include "sudoku/SudokuBase.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>

ReglesRecherche SudokuDiaGenereModele::ReglesMemorisees{};
int SudokuDiaGenereModele::AuMoinsMemorise = 0;

namespace {

// Every blank the C library knows, line ends included.
constexpr std::string_view kEspaces = " \t\n\v\f\r";

void erreur(const std::string& texte) {
    Ui().MessageBox(texte, "ERREUR", MB_OK | MB_ICONERROR);
}

bool egauxSansCasse(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

SudokuDiaGenereModele::SudokuDiaGenereModele(int typeGrille, const std::string& cheminBase,
                                             bool enregistre, Recepteur recepteur)
    : Regles(ReglesMemorisees), AuMoins(AuMoinsMemorise), Enregistre(enregistre),
      NomFich(cheminBase), typeGrille_(typeGrille), recepteur_(std::move(recepteur)) {}

SudokuDiaGenereModele::~SudokuDiaGenereModele() {
    if (thread_) {
        thread_->Terminate();
        thread_->WaitFor();
    }
}

void SudokuDiaGenereModele::Inverse() {
    for (bool& regle : Regles)
        regle = !regle;
}

SudokuThread::Etiquette SudokuDiaGenereModele::etiquette(std::string Etiquettes::*texte) {
    // The labels may be updated after the dialog has gone: they then change nothing.
    std::weak_ptr<Etiquettes> cible = etiquettes_;
    return [cible, texte](const std::string& valeur) {
        const std::shared_ptr<Etiquettes> etiquettes = cible.lock();
        if (!etiquettes)
            return;
        (*etiquettes).*texte = valeur;
        if (etiquettes->rafraichir)
            etiquettes->rafraichir();
    };
}

bool SudokuDiaGenereModele::Rechercher() {
    if (thread_)
        return false;
    std::string nomFichier;
    if (Enregistre) {
        nomFichier = std::string(Trim(NomFich, kEspaces));
        if (nomFichier.empty()) {
            erreur("Il faut indiquer le fichier dans lequel stocker les résultats");
            return false;
        }
        if (egauxSansCasse(std::filesystem::path(nomFichier).filename().string(), NomBaseProduit)) {
            erreur(
                "Le fichier «\u00A0Sudoku17.dat\u00A0» est une base de données propre à Vorlane.\n"
                "Nous ne conseillons pas d'y écrire vos données personnelles.\n"
                "Veuillez créer un nouveau fichier ou indiquer un fichier existant.");
            return false;
        }
    }
    std::error_code absent;
    if (!nomFichier.empty() && std::filesystem::exists(nomFichier, absent)) {
        FichierBaseSudoku base;
        std::string message;
        if (!OuvreBaseLecture(nomFichier, base, message)) {
            erreur(message);
            return false;
        }
        if (base.Type() != typeGrille_) {
            erreur("Le format de grille inscrit dans le fichier est incompatible avec le format "
                   "de grille actuel");
            return false;
        }
    }

    etiquettes_->rafraichir = Rafraichir;
    thread_ = std::make_unique<SudokuThread>(typeGrille_, Regles, etiquette(&Etiquettes::etudiees),
                                             etiquette(&Etiquettes::enregistres), nomFichier,
                                             AuMoins == 1);
    if (graine_)
        thread_->FixeGraine(*graine_);
    thread_->OnTerminate = [this] { termine(); };
    thread_->Start();
    return true;
}

void SudokuDiaGenereModele::termine() {
    if (thread_) {
        if (thread_->Trouve() && recepteur_)
            recepteur_(thread_->Stat(), thread_->Cases());
        if (!thread_->Echec().empty())
            erreur(thread_->Echec());
        if (const std::string probleme = thread_->MessageErreur(); !probleme.empty())
            erreur("La recherche s'est arrêtée sur une erreur\u00A0: " + probleme);
    }
    if (Fermer)
        Fermer();
}

void SudokuDiaGenereModele::Arreter() {
    if (thread_)
        thread_->Terminate();
    if (Fermer)
        Fermer();
}

void SudokuDiaGenereModele::Fermeture() {
    // The form is going: the search's end no longer has a dialog to refresh or close.
    Fermer = nullptr;
    Rafraichir = nullptr;
    etiquettes_->rafraichir = nullptr;
    if (thread_) {
        thread_->Terminate();
        thread_->WaitFor();
        thread_.reset();
    }
    ReglesMemorisees = Regles;
    AuMoinsMemorise = AuMoins;
}

std::string SudokuDiaGenereModele::NouveauChemin() const {
    if (!Enregistre || NomFich.empty())
        return {};
    return NomFich.substr(0, TailleCheminMax);
}
