#include "pictures/forms/TCamembertProp.h"

#include "host/forms/ColorButton.h"
#include "host/forms/StyleCombos.h"
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
    : TPicturePropForm(&composant, "CamembertProp", kClesCamembert, parent) {
    Ui_TCamembertProp ui;
    ui.setupUi(this);
    pcProp = ui.pcProp;
    edOrgX = ui.edOrgX;
    edOrgY = ui.edOrgY;
    edSizeX = ui.edSizeX;
    edSizeY = ui.edSizeY;
    chkDetachable = ui.chkDetachable;
    chkActif = ui.chkActif;
    cbPenStyle = ui.cbPenStyle;
    btCoulPinceau = ui.btCoulPinceau;
    edTaillePen = ui.edTaillePen;
    UpDown1 = ui.UpDown1;
    cbBrushStyle = ui.cbBrushStyle;
    btCoulBrosse = ui.btCoulBrosse;
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
    UpDown1->SetAssociate(edTaillePen);
    UpDown1->SetRange(0, 1000);
    UpDown2->SetAssociate(edNumerateur);
    UpDown2->SetRange(0, 1000);
    UpDown3->SetAssociate(edDenominateur);
    UpDown3->SetRange(1, 1000);
    UpDown4->SetAssociate(edAngle);
    UpDown4->SetRange(0, 360);
    UpDown4->SetIncrement(kPasAngle);

    LieCommuns(edOrgX, edOrgY, edSizeX, edSizeY, chkDetachable, CleCamembert::Detachable, chkActif,
               CleCamembert::Actif);
    LieCombo(cbPenStyle, CleCamembert::StylePinceauCadre);
    LieCouleur(btCoulPinceau, CleCamembert::CouleurPinceauCadre);
    LieEdit(edTaillePen, CleCamembert::TaillePinceauCadre);
    LieUpDown(UpDown1, CleCamembert::TaillePinceauCadre);
    LieCombo(cbBrushStyle, CleCamembert::StyleBrosseFond);
    LieCouleur(btCoulBrosse, CleCamembert::CouleurBrosseFond);
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

    // A full turn is stored as 0, and a colour makes a clear disc solid: show what was kept.
    RafraichirApresEdit(edAngle);
    RafraichirApres(UpDown4, &TUpDown::released);
    RafraichirApres(btCoulBrosse, &TColorButton::colorChosen);
}

TvlCamembert& TCamembertProp::camembert() const {
    return dynamic_cast<TvlCamembert&>(*Composant());
}

void TCamembertProp::RemplirControles() {
    const CamembertOptions& bloc = camembert().Bloc();
    RemplirCommuns();
    cbPenStyle->setCurrentIndex(bloc.StylePinceau);
    btCoulPinceau->SetColor(bloc.CouleurPinceau);
    edTaillePen->setText(QString::number(bloc.TaillePinceau));
    cbBrushStyle->setCurrentIndex(bloc.StyleBrosse);
    btCoulBrosse->SetColor(bloc.CouleurBrosse);
    cbStyleCamembert->setCurrentIndex(bloc.StyleBrosseCamembert);
    btCoulCamembert->SetColor(bloc.CouleurCamembert);
    edNumerateur->setText(QString::number(bloc.Numerateur));
    edDenominateur->setText(QString::number(bloc.Denominateur));
    edAngle->setText(QString::number(bloc.Angle));
    (bloc.Sens != 0 ? rbInverse : rbAiguilles)->setChecked(true);
    chkSecteurs->setChecked(bloc.MontrerSecteurs != 0);
    chkRayon->setChecked(bloc.MontrerRayon != 0);
    MontrerMode(btEpreuve, btCorrige, bloc.Mode);
}
