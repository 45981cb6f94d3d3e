#include "pictures/forms/TCamembertProp.h"

#include "host/forms/ColorButton.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/TPagePosition.h"
#include "host/forms/UpDown.h"
#include "pictures/Camembert.h"
#include "pictures/CamembertCles.h"

#include "ui_TCadreStyle.h"
#include "ui_TCamembertProp.h"

#include <QButtonGroup>

namespace {

// The arrows turn the start by a twenty-fourth of a turn.
constexpr int kPasAngle = 15;

} // namespace

TCamembertProp::TCamembertProp(TvlCamembert& composant, QWidget* parent)
    : TKindPropForm(composant, "CamembertProp", kClesCamembert, parent) {
    ui_->cadreStyle->Controles().gbFond->setTitle(QStringLiteral("Disque"));

    auto* const rgSens = GroupeRadio("rgSens", {ui_->rbAiguilles, ui_->rbInverse});
    ui_->UpDown4->SetIncrement(kPasAngle);

    LiePagePosition(ui_->pagePosition);
    LieCadreStyle(ui_->cadreStyle);
    LieRadio(rgSens, CleCamembert::Sens);
    LieMode(ui_->btEpreuve, ui_->btCorrige, CleCamembert::Mode);

    // A full turn is stored as 0: show what was kept.
    RafraichirApresEdit(ui_->edAngle);
    RafraichirApres(ui_->UpDown4, &TUpDown::released);
}

void TCamembertProp::RemplirControles() {
    MontrerMode(ui_->btEpreuve, ui_->btCorrige, composant().Bloc().Mode);
}
