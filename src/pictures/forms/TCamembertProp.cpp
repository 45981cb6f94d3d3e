#include "pictures/forms/TCamembertProp.h"

#include "host/forms/ColorButton.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/UpDown.h"
#include "pictures/Camembert.h"

// The generated form declares a namespace Ui, which the user-interface service's Ui() also
// names: it is renamed here.
#define Ui UiCamembertProp
#include "ui_TCamembertProp.h"
#undef Ui

#include <QButtonGroup>

namespace {

// Indices in the pie's key table.
enum Cle : int {
    kStylePinceauCadre = 4,
    kCouleurPinceauCadre = 5,
    kTaillePinceauCadre = 6,
    kStyleBrosseFond = 7,
    kCouleurBrosseFond = 8,
    kStyleBrosseCamembert = 9,
    kMode = 10,
    kDetachable = 11,
    kCouleurCamembert = 12,
    kNumerateur = 13,
    kDenominateur = 14,
    kAngle = 15,
    kSens = 16,
    kMontrerSecteurs = 17,
    kMontrerRayon = 18,
    kActif = 19,
};

// The arrows turn the start by a twenty-fourth of a turn.
constexpr int kPasAngle = 15;

} // namespace

TCamembertProp::TCamembertProp(TvlCamembert& composant, QWidget* parent)
    : TPicturePropForm(&composant, "CamembertProp", TvlCamembert::TableCles(), parent) {
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

    LieCommuns(edOrgX, edOrgY, edSizeX, edSizeY, chkDetachable, kDetachable, chkActif, kActif);
    LieCombo(cbPenStyle, kStylePinceauCadre);
    LieCouleur(btCoulPinceau, kCouleurPinceauCadre);
    LieEdit(edTaillePen, kTaillePinceauCadre);
    LieUpDown(UpDown1, kTaillePinceauCadre);
    LieCombo(cbBrushStyle, kStyleBrosseFond);
    LieCouleur(btCoulBrosse, kCouleurBrosseFond);
    LieCombo(cbStyleCamembert, kStyleBrosseCamembert);
    LieCouleur(btCoulCamembert, kCouleurCamembert);
    LieEdit(edNumerateur, kNumerateur);
    LieUpDown(UpDown2, kNumerateur);
    LieEdit(edDenominateur, kDenominateur);
    LieUpDown(UpDown3, kDenominateur);
    LieEdit(edAngle, kAngle);
    LieUpDown(UpDown4, kAngle);
    LieRadio(rgSens, kSens);
    LieCheck(chkSecteurs, kMontrerSecteurs);
    LieCheck(chkRayon, kMontrerRayon);
    LieMode(btEpreuve, btCorrige, kMode);

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
