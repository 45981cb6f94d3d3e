// What the "Nouveau d'après un modèle" dialog works on: the ready-made sheets, the level they
// are shown by and the one chosen. The dialog shows and forwards; the choice lives here.
#pragma once

#include "platform/UserInterface.h"
#include "sheet/Modeles.h"

#include <cstddef>
#include <string>
#include <vector>

class ChoixModeleModele : public TFormModel {
public:
    static constexpr const char* Nom = "ChoixModele";

    explicit ChoixModeleModele(std::vector<SheetModel> modeles);

    // "Tous les niveaux", then each level that has a sheet, in school order.
    const std::vector<std::string>& Niveaux() const { return niveaux_; }
    // Shows the sheets of the level at that index of Niveaux() (0: all of them). A chosen
    // sheet the level hides is no longer chosen.
    void ChoisitNiveau(int index);
    int Niveau() const { return niveau_; }

    // One row a sheet shown: "ce1-heures — Lire l'heure…".
    std::vector<std::string> Lignes() const;
    // Chooses the sheet of a row; -1 or a row not shown chooses none.
    void Choisit(int ligne);
    // The row of the chosen sheet, -1 when none.
    int Ligne() const { return ligne_; }
    // The chosen sheet, null when none.
    const SheetModel* Choisi() const;

private:
    std::vector<SheetModel> modeles_;
    std::vector<std::string> niveaux_;
    std::vector<std::size_t> montres_; // indices in modeles_ of the rows
    int niveau_ = 0;
    int ligne_ = -1;
};
