#include "sheet/ChoixModele.h"

#include <algorithm>
#include <utility>

ChoixModeleModele::ChoixModeleModele(std::vector<SheetModel> modeles)
    : modeles_(std::move(modeles)), niveaux_{"Tous les niveaux"} {
    for (const std::string& niveau : ModelLevels())
        if (std::ranges::find(modeles_, niveau, &SheetModel::level) != modeles_.end())
            niveaux_.push_back(niveau);
    ChoisitNiveau(0);
}

void ChoixModeleModele::ChoisitNiveau(int index) {
    const int choisi = ligne_ < 0 ? -1 : int(montres_[std::size_t(ligne_)]);
    niveau_ = std::clamp(index, 0, int(niveaux_.size()) - 1);
    montres_.clear();
    for (std::size_t i = 0; i < modeles_.size(); ++i)
        if (niveau_ == 0 || modeles_[i].level == niveaux_[std::size_t(niveau_)])
            montres_.push_back(i);
    const auto garde = std::ranges::find(montres_, std::size_t(choisi));
    ligne_ = choisi >= 0 && garde != montres_.end() ? int(garde - montres_.begin()) : -1;
}

std::vector<std::string> ChoixModeleModele::Lignes() const {
    std::vector<std::string> lignes;
    for (const std::size_t i : montres_)
        lignes.push_back(modeles_[i].name + " — " + modeles_[i].description);
    return lignes;
}

void ChoixModeleModele::Choisit(int ligne) {
    ligne_ = ligne >= 0 && ligne < int(montres_.size()) ? ligne : -1;
}

const SheetModel* ChoixModeleModele::Choisi() const {
    return ligne_ < 0 ? nullptr : &modeles_[montres_[std::size_t(ligne_)]];
}
