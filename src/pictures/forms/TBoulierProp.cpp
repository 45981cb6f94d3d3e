#include "pictures/forms/TBoulierProp.h"

#include "host/forms/ColorButton.h"
#include "host/forms/TPagePosition.h"
#include "host/forms/UpDown.h"
#include "pictures/Boulier.h"
#include "pictures/BoulierCles.h"

#include "ui_TBoulierProp.h"

#include <QButtonGroup>

TBoulierProp::TBoulierProp(TvlBoulier& composant, QWidget* parent)
    : TKindPropForm(composant, "BoulierProp", kClesBoulier, parent) {
    auto* const rgType = GroupeRadio(
        "rgType", {ui_->rbType0, ui_->rbType1, ui_->rbType2, ui_->rbType3, ui_->rbType4});
    auto* const rgFonctionnement =
        GroupeRadio("rgFonctionnement", {ui_->rbFonct0, ui_->rbFonct1, ui_->rbFonct2});

    LiePagePosition(ui_->pagePosition);
    LieCadreStyle(ui_->cadreStyle);
    LieRadio(rgType, CleBoulier::TypeBoulier);
    LieRadio(rgFonctionnement, CleBoulier::Fonctionnement);
    LieMode(ui_->btEpreuve, ui_->btCorrige, CleBoulier::Mode);
}

void TBoulierProp::RemplirControles() {
    const BoulierOptions& bloc = composant().Bloc();
    // Every value other than 0 and 1 colours the beads.
    QRadioButton* const fonctionnement[] = {ui_->rbFonct0, ui_->rbFonct1, ui_->rbFonct2};
    const int f = bloc.Fonctionnement;
    fonctionnement[f == 0 || f == 1 ? f : 2]->setChecked(true);
    MontrerMode(ui_->btEpreuve, ui_->btCorrige, bloc.Mode);
}
