#include "pictures/forms/TDeProp.h"

#include "host/forms/ColorButton.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/UpDown.h"
#include "pictures/De.h"
#include "pictures/DeCles.h"

// The generated form declares a namespace Ui, which the user-interface service's Ui() also
// names: it is renamed here.
#define Ui UiDeProp
#include "ui_TDeProp.h"
#undef Ui

#include <QButtonGroup>

#include <initializer_list>

TDeProp::TDeProp(TvlDe& composant, QWidget* parent)
    : TPropFormWidget(&composant, "DeProp", kClesDe, parent) {
    Ui_TDeProp ui;
    ui.setupUi(this);
    pcProp = ui.pcProp;
    pageAspect = ui.pageAspect;
    cadreStyle = ui.cadreStyle;
    cbStylePoint = ui.cbStylePoint;
    btCoulPoint = ui.btCoulPoint;
    rbDe = ui.rbDe;
    rbDomino = ui.rbDomino;
    rbHorizontale = ui.rbHorizontale;
    rbVerticale = ui.rbVerticale;
    edValeur1 = ui.edValeur1;
    UpDown2 = ui.UpDown2;
    lbValeur2 = ui.lbValeur2;
    edValeur2 = ui.edValeur2;
    UpDown3 = ui.UpDown3;
    btAleatoire = ui.btAleatoire;
    btPermuter = ui.btPermuter;
    btEpreuve = ui.btEpreuve;
    btCorrige = ui.btCorrige;

    rgAspect = new QButtonGroup(this);
    rgAspect->addButton(rbDe, 0);
    rgAspect->addButton(rbDomino, 1);
    rgOrientation = new QButtonGroup(this);
    rgOrientation->addButton(rbHorizontale, 0);
    rgOrientation->addButton(rbVerticale, 1);
    UpDown2->SetAssociate(edValeur1);
    UpDown3->SetAssociate(edValeur2);

    LiePageAspect(pageAspect);
    LieCadreStyle(cadreStyle);
    LieCombo(cbStylePoint, CleDe::StyleBrossePoint);
    LieCouleur(btCoulPoint, CleDe::CouleurPoint);
    LieRadio(rgAspect, CleDe::Aspect);
    // Each "Orientation" received turns the frame: a click on the side already chosen must
    // send nothing.
    LieRadioChange(rgOrientation, CleDe::Orientation);
    LieEdit(edValeur1, CleDe::Valeur1);
    LieUpDown(UpDown2, CleDe::Valeur1);
    LieEdit(edValeur2, CleDe::Valeur2);
    LieUpDown(UpDown3, CleDe::Valeur2);
    LieAction(btAleatoire, CleDe::Aleatoire);
    LieAction(btPermuter, CleDe::Permuter);
    LieMode(btEpreuve, btCorrige, CleDe::Mode);

    // Keys whose effect reaches other controls: the frame's size, the values, the domino's
    // own controls.
    RafraichirApres(rgAspect, &QButtonGroup::idClicked);
    RafraichirApres(rgOrientation, &QButtonGroup::idToggled);
    RafraichirApres(btAleatoire, &QPushButton::clicked);
    RafraichirApres(btPermuter, &QPushButton::clicked);
}

TvlDe& TDeProp::de() const {
    return dynamic_cast<TvlDe&>(*Composant());
}

void TDeProp::RemplirControles() {
    const DeOptions& bloc = de().Bloc();
    const bool domino = bloc.Aspect != 0;
    // The orientation's group sends on a change of button: it is not tied to its key's value.
    (bloc.Orientation != 0 ? rbVerticale : rbHorizontale)->setChecked(true);
    // A die shows only its first value.
    for (QWidget* w : std::initializer_list<QWidget*>{lbValeur2, edValeur2, UpDown3, btPermuter})
        w->setEnabled(domino);
    MontrerMode(btEpreuve, btCorrige, bloc.Mode);
}
