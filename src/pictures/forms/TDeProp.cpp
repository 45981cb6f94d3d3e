#include "pictures/forms/TDeProp.h"

#include "host/forms/ColorButton.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/UpDown.h"
#include "pictures/De.h"
#include "pictures/DeCles.h"

#include "ui_TDeProp.h"

#include <QButtonGroup>

#include <initializer_list>

TDeProp::TDeProp(TvlDe& composant, QWidget* parent)
    : TKindPropForm(composant, "DeProp", kClesDe, parent) {

    auto* const rgAspect = GroupeRadio("rgAspect", {ui_->rbDe, ui_->rbDomino});
    auto* const rgOrientation =
        GroupeRadio("rgOrientation", {ui_->rbHorizontale, ui_->rbVerticale});

    LiePagePosition(ui_->pagePosition);
    LieCadreStyle(ui_->cadreStyle);
    LieRadio(rgAspect, CleDe::Aspect);
    // Each "Orientation" received turns the frame: a click on the side already chosen must
    // send nothing.
    LieRadioChange(rgOrientation, CleDe::Orientation);
    LieMode(ui_->btEpreuve, ui_->btCorrige, CleDe::Mode);

    // Keys whose effect reaches other controls: the frame's size, the values, the domino's
    // own controls.
    RafraichirApres(rgAspect, &QButtonGroup::idClicked);
    RafraichirApres(rgOrientation, &QButtonGroup::idToggled);
    RafraichirApres(ui_->btAleatoire, &QPushButton::clicked);
    RafraichirApres(ui_->btPermuter, &QPushButton::clicked);
}

void TDeProp::RemplirControles() {
    const DeOptions& bloc = composant().Bloc();
    const bool domino = bloc.Aspect != 0;
    // The orientation's group sends on a change of button: it is not tied to its key's value.
    (bloc.Orientation != 0 ? ui_->rbVerticale : ui_->rbHorizontale)->setChecked(true);
    // A die shows only its first value.
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->lbValeur2, ui_->edValeur2, ui_->UpDown3,
                                                      ui_->btPermuter})
        w->setEnabled(domino);
    MontrerMode(ui_->btEpreuve, ui_->btCorrige, bloc.Mode);
}
