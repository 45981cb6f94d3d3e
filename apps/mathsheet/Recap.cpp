#include "Recap.h"

#include "common/CommonComponent.h"
#include "host/Conversions.h"
#include "host/Document.h"
#include "platform/Text.h"

#include <algorithm>

namespace {

// The printable area of the recap's A4 portrait pages with 1 cm margins, in hundredths of a
// centimetre, below the page title.
constexpr int kLargeur = 1900;
constexpr int kHauteur = 2450;
constexpr int kHautGrille = 170;
// Cells between 7 mm (an answer of four digits still reads at 7 points) and 3 cm.
constexpr int kCelluleMin = 70;
constexpr int kCelluleMax = 300;

struct Reponse {
    std::string nom;
    std::vector<std::string> textes;
};

// The components with answers in reading order, page by page, as the instructions are numbered.
std::vector<Reponse> reponsesDe(const TDocument& document) {
    std::vector<Reponse> reponses;
    for (int page = 0; page < document.NbPages(); ++page) {
        std::vector<const TComposant*> composants;
        for (int i = 0; i < document.NbComposants(); ++i)
            if (document.PageDe(i) == page)
                composants.push_back(&document.Composant(i));
        TrieOrdreLecture(composants);
        for (const TComposant* composant : composants) {
            const auto* commun = dynamic_cast<const CommonComponent*>(composant);
            std::vector<std::string> textes =
                commun ? commun->Reponses() : std::vector<std::string>{};
            if (!textes.empty())
                reponses.push_back({composant->Nom(), std::move(textes)});
        }
    }
    return reponses;
}

std::string insecable(const std::string& texte) {
    return ReplaceChar(texte, ' ', "\u00A0");
}

std::string lettre(std::size_t i) {
    return std::string(1, char('a' + i % 26)) + (i >= 26 ? std::to_string(i / 26) : "");
}

} // namespace

void Recapitulatif::AjouteExemplaire(const TDocument& document) {
    std::vector<Colonne> colonnes;
    std::vector<std::string> ligne;
    int numero = 0;
    for (const Reponse& reponse : reponsesDe(document)) {
        ++numero;
        for (std::size_t k = 0; k < reponse.textes.size(); ++k) {
            const std::string suffixe = reponse.textes.size() > 1 ? lettre(k) : "";
            colonnes.push_back({std::to_string(numero) + suffixe, reponse.nom});
            ligne.push_back(reponse.textes[k]);
        }
    }
    if (colonnes.size() > colonnes_.size())
        colonnes_ = std::move(colonnes);
    exemplaires_.push_back(std::move(ligne));
}

std::string Recapitulatif::Feuille() const {
    if (colonnes_.empty())
        return {};
    // As many columns and rows a page as cells of the smallest size allow; the cells then
    // grow to fill the page, up to their largest size.
    const int colonnesPage = kLargeur / kCelluleMin - 1;
    const int lignesPage = kHauteur / kCelluleMin - 1;
    std::string legende;
    std::string precedent;
    for (const Colonne& colonne : colonnes_) {
        if (colonne.composant == precedent)
            continue;
        precedent = colonne.composant;
        const std::string numero =
            colonne.libelle.substr(0, colonne.libelle.find_first_not_of("0123456789"));
        legende += (legende.empty() ? "" : ", ") + numero + " " + colonne.composant;
    }
    std::string feuille;
    int pages = 0;
    for (std::size_t premiereLigne = 0; premiereLigne < exemplaires_.size();
         premiereLigne += std::size_t(lignesPage)) {
        for (std::size_t premiereColonne = 0; premiereColonne < colonnes_.size();
             premiereColonne += std::size_t(colonnesPage)) {
            const std::size_t lignes =
                std::min(exemplaires_.size() - premiereLigne, std::size_t(lignesPage));
            const std::size_t colonnes =
                std::min(colonnes_.size() - premiereColonne, std::size_t(colonnesPage));
            const int cellule =
                std::min({kCelluleMax, kLargeur / int(colonnes + 1), kHauteur / int(lignes + 1)}) /
                5 * 5;
            const std::string titre = "Réponses\u00A0: " + legende;
            feuille += "[Page]\nFormat = A4\nMarges = 1\nTitre = " +
                       (titre.size() <= 100 ? titre : std::string("Réponses")) + "\n";
            feuille +=
                "[Grille]\nNom = Réponses" + (++pages > 1 ? " " + std::to_string(pages) : "") +
                "\nGauche = 0\nHaut = " + TexteCentimetres(kHautGrille) +
                // The smallest cells first, so that no count of cells meets the page's edge
                // before the final size is set.
                "\nFonte = Andika,10\nCellule = 0,2\nColonnes = " + std::to_string(colonnes + 1) +
                "\nLignes = " + std::to_string(lignes + 1) +
                "\nCellule = " + TexteCentimetres(cellule) + "\nTexte = 1;1;N°\n";
            for (std::size_t c = 0; c < colonnes; ++c)
                feuille += "Texte = " + std::to_string(c + 2) + ";1;" +
                           colonnes_[premiereColonne + c].libelle + "\n";
            for (std::size_t l = 0; l < lignes; ++l) {
                const std::vector<std::string>& reponses = exemplaires_[premiereLigne + l];
                feuille += "Texte = 1;" + std::to_string(l + 2) + ";" +
                           std::to_string(premiereLigne + l + 1) + "\n";
                for (std::size_t c = 0; c < colonnes && premiereColonne + c < reponses.size(); ++c)
                    if (!reponses[premiereColonne + c].empty())
                        feuille += "Texte = " + std::to_string(c + 2) + ";" +
                                   std::to_string(l + 2) + ";" +
                                   insecable(reponses[premiereColonne + c]) + "\n";
            }
        }
    }
    return feuille;
}
