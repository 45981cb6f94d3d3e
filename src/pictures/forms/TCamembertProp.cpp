#include "pictures/forms/TCamembertProp.h"

#include "host/forms/ColorButton.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/TPagePosition.h"
#include "host/forms/UpDown.h"
#include "pictures/Camembert.h"
#include "pictures/CamembertCles.h"

// The generated form declares a namespace Ui, which the user-interface service's Ui() also
// names: it is renamed here.
#define Ui UiCamembertProp
#include "ui_TCamembertProp.h"
#undef Ui

#include <QButtonGroup>

namespace {

// The arrows turn the start by a twenty-fourth of a turn.
constexpr int kPasAngle = 15;

} // namespace

TCamembertProp::TCamembertProp(TvlCamembert& composant, QWidget* parent)
    : TPropFormWidget(&composant, "CamembertProp", kClesCamembert, parent),
      ui_(std::make_unique<UiCamembertProp::TCamembertProp>()) {
    ui_->setupUi(this);
    ui_->cadreStyle->gbFond->setTitle(QStringLiteral("Disque"));

    rgSens = new QButtonGroup(this);
    rgSens->setObjectName(QStringLiteral("rgSens"));
    rgSens->addButton(ui_->rbAiguilles, 0);
    rgSens->addButton(ui_->rbInverse, 1);
    ui_->UpDown4->SetIncrement(kPasAngle);

    LiePagePosition(ui_->pagePosition);
    LieCadreStyle(ui_->cadreStyle);
    LieCombo(ui_->cbStyleCamembert, CleCamembert::StyleBrosseCamembert);
    LieCouleur(ui_->btCoulCamembert, CleCamembert::CouleurCamembert);
    LieEditFleches(ui_->edNumerateur, ui_->UpDown2, CleCamembert::Numerateur);
    LieEditFleches(ui_->edDenominateur, ui_->UpDown3, CleCamembert::Denominateur);
    LieEditFleches(ui_->edAngle, ui_->UpDown4, CleCamembert::Angle);
    LieRadio(rgSens, CleCamembert::Sens);
    LieCheck(ui_->chkSecteurs, CleCamembert::MontrerSecteurs);
    LieCheck(ui_->chkRayon, CleCamembert::MontrerRayon);
    LieMode(ui_->btEpreuve, ui_->btCorrige, CleCamembert::Mode);

    // A full turn is stored as 0: show what was kept.
    RafraichirApresEdit(ui_->edAngle);
    RafraichirApres(ui_->UpDown4, &TUpDown::released);
}

TCamembertProp::~TCamembertProp() = default;

TvlCamembert& TCamembertProp::camembert() const {
    return dynamic_cast<TvlCamembert&>(*Composant());
}

void TCamembertProp::RemplirControles() {
    MontrerMode(ui_->btEpreuve, ui_->btCorrige, camembert().Bloc().Mode);
}
