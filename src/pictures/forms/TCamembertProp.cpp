#include "pictures/forms/TCamembertProp.h"

#include "host/forms/ColorButton.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/TPageAspect.h"
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
    : TPropFormWidget(&composant, "CamembertProp", kClesCamembert, parent) {
    Ui_TCamembertProp ui;
    ui.setupUi(this);
    pcProp = ui.pcProp;
    pageAspect = ui.pageAspect;
    cadreStyle = ui.cadreStyle;
    cadreStyle->gbFond->setTitle(QStringLiteral("Disque"));
    cbStyleCamembert = ui.cbStyleCamembert;
    btCoulCamembert = ui.btCoulCamembert;
    edNumerateur = ui.edNumerateur;
    UpDown2 = ui.UpDown2;
    edDenominateur = ui.edDenominateur;
    UpDown3 = ui.UpDown3;
    edAngle = ui.edAngle;
    UpDown4 = ui.UpDown4;
    rbAiguilles = ui.rbAiguilles;
    rbInverse = ui.rbInverse;
    chkSecteurs = ui.chkSecteurs;
    chkRayon = ui.chkRayon;
    btEpreuve = ui.btEpreuve;
    btCorrige = ui.btCorrige;

    rgSens = new QButtonGroup(this);
    rgSens->addButton(rbAiguilles, 0);
    rgSens->addButton(rbInverse, 1);
    UpDown2->SetAssociate(edNumerateur);
    UpDown3->SetAssociate(edDenominateur);
    UpDown4->SetAssociate(edAngle);
    UpDown4->SetIncrement(kPasAngle);

    LiePageAspect(pageAspect);
    LieCadreStyle(cadreStyle);
    LieCombo(cbStyleCamembert, CleCamembert::StyleBrosseCamembert);
    LieCouleur(btCoulCamembert, CleCamembert::CouleurCamembert);
    LieEdit(edNumerateur, CleCamembert::Numerateur);
    LieUpDown(UpDown2, CleCamembert::Numerateur);
    LieEdit(edDenominateur, CleCamembert::Denominateur);
    LieUpDown(UpDown3, CleCamembert::Denominateur);
    LieEdit(edAngle, CleCamembert::Angle);
    LieUpDown(UpDown4, CleCamembert::Angle);
    LieRadio(rgSens, CleCamembert::Sens);
    LieCheck(chkSecteurs, CleCamembert::MontrerSecteurs);
    LieCheck(chkRayon, CleCamembert::MontrerRayon);
    LieMode(btEpreuve, btCorrige, CleCamembert::Mode);

    // A full turn is stored as 0: show what was kept.
    RafraichirApresEdit(edAngle);
    RafraichirApres(UpDown4, &TUpDown::released);
}

TvlCamembert& TCamembertProp::camembert() const {
    return dynamic_cast<TvlCamembert&>(*Composant());
}

void TCamembertProp::RemplirControles() {
    MontrerMode(btEpreuve, btCorrige, camembert().Bloc().Mode);
}
