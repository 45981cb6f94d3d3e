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
    : TPropFormWidget(&composant, "DeProp", kClesDe, parent),
      ui_(std::make_unique<UiDeProp::TDeProp>()) {
    ui_->setupUi(this);

    rgAspect = new QButtonGroup(this);
    rgAspect->setObjectName(QStringLiteral("rgAspect"));
    rgAspect->addButton(ui_->rbDe, 0);
    rgAspect->addButton(ui_->rbDomino, 1);
    rgOrientation = new QButtonGroup(this);
    rgOrientation->setObjectName(QStringLiteral("rgOrientation"));
    rgOrientation->addButton(ui_->rbHorizontale, 0);
    rgOrientation->addButton(ui_->rbVerticale, 1);

    LiePagePosition(ui_->pagePosition);
    LieCadreStyle(ui_->cadreStyle);
    LieCombo(ui_->cbStylePoint, CleDe::StyleBrossePoint);
    LieCouleur(ui_->btCoulPoint, CleDe::CouleurPoint);
    LieRadio(rgAspect, CleDe::Aspect);
    // Each "Orientation" received turns the frame: a click on the side already chosen must
    // send nothing.
    LieRadioChange(rgOrientation, CleDe::Orientation);
    LieEditFleches(ui_->edValeur1, ui_->UpDown2, CleDe::Valeur1);
    LieEditFleches(ui_->edValeur2, ui_->UpDown3, CleDe::Valeur2);
    LieAction(ui_->btAleatoire, CleDe::Aleatoire);
    LieAction(ui_->btPermuter, CleDe::Permuter);
    LieMode(ui_->btEpreuve, ui_->btCorrige, CleDe::Mode);

    // Keys whose effect reaches other controls: the frame's size, the values, the domino's
    // own controls.
    RafraichirApres(rgAspect, &QButtonGroup::idClicked);
    RafraichirApres(rgOrientation, &QButtonGroup::idToggled);
    RafraichirApres(ui_->btAleatoire, &QPushButton::clicked);
    RafraichirApres(ui_->btPermuter, &QPushButton::clicked);
}

TDeProp::~TDeProp() = default;

TvlDe& TDeProp::de() const {
    return dynamic_cast<TvlDe&>(*Composant());
}

void TDeProp::RemplirControles() {
    const DeOptions& bloc = de().Bloc();
    const bool domino = bloc.Aspect != 0;
    // The orientation's group sends on a change of button: it is not tied to its key's value.
    (bloc.Orientation != 0 ? ui_->rbVerticale : ui_->rbHorizontale)->setChecked(true);
    // A die shows only its first value.
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->lbValeur2, ui_->edValeur2, ui_->UpDown3,
                                                      ui_->btPermuter})
        w->setEnabled(domino);
    MontrerMode(ui_->btEpreuve, ui_->btCorrige, bloc.Mode);
}
