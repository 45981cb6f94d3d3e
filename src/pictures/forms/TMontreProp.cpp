#include "pictures/forms/TMontreProp.h"

#include "host/forms/ColorButton.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/UpDown.h"
#include "pictures/Montre.h"
#include "pictures/MontreCles.h"

// The generated form declares a namespace Ui, which the user-interface service's Ui() also
// names: it is renamed here.
#define Ui UiMontreProp
#include "ui_TMontreProp.h"
#undef Ui

#include <algorithm>

TMontreProp::TMontreProp(TvlMontre& composant, QWidget* parent)
    : TPicturePropForm(&composant, "MontreProp", kClesMontre, parent) {
    Ui_TMontreProp ui;
    ui.setupUi(this);
    pcProp = ui.pcProp;
    edOrgX = ui.edOrgX;
    edOrgY = ui.edOrgY;
    edSizeX = ui.edSizeX;
    edSizeY = ui.edSizeY;
    chkDetachable = ui.chkDetachable;
    chkActif = ui.chkActif;
    cbAiguille = ui.cbAiguille;
    cbPenStyle = ui.cbPenStyle;
    btCoulPinceau = ui.btCoulPinceau;
    edTaillePen = ui.edTaillePen;
    UpDown1 = ui.UpDown1;
    gbFond = ui.gbFond;
    cbBrushStyle = ui.cbBrushStyle;
    btCoulBrosse = ui.btCoulBrosse;
    edHeure = ui.edHeure;
    UpDown2 = ui.UpDown2;
    edMinute = ui.edMinute;
    UpDown3 = ui.UpDown3;
    edSeconde = ui.edSeconde;
    UpDown4 = ui.UpDown4;
    btHeureSysteme = ui.btHeureSysteme;
    chkHeure = ui.chkHeure;
    chkMinute = ui.chkMinute;
    chkSeconde = ui.chkSeconde;
    chkChiffres = ui.chkChiffres;
    btFonte = ui.btFonte;
    btEpreuve = ui.btEpreuve;
    btCorrige = ui.btCorrige;

    cbAiguille->addItems({QStringLiteral("Montre"), QStringLiteral("Aiguille Heures"),
                          QStringLiteral("Aiguille Minutes"), QStringLiteral("Aiguille Secondes")});
    UpDown1->SetAssociate(edTaillePen);
    UpDown1->SetRange(0, 1000);
    UpDown2->SetAssociate(edHeure);
    UpDown2->SetRange(0, 23);
    UpDown3->SetAssociate(edMinute);
    UpDown3->SetRange(0, 59);
    UpDown4->SetAssociate(edSeconde);
    UpDown4->SetRange(0, 59);

    LieCommuns(edOrgX, edOrgY, edSizeX, edSizeY, chkDetachable, CleMontre::Detachable, chkActif,
               CleMontre::Actif);
    lieStyle();
    LieEdit(edHeure, CleMontre::Heure);
    LieUpDown(UpDown2, CleMontre::Heure);
    LieEdit(edMinute, CleMontre::Minute);
    LieUpDown(UpDown3, CleMontre::Minute);
    LieEdit(edSeconde, CleMontre::Seconde);
    LieUpDown(UpDown4, CleMontre::Seconde);
    LieAction(btHeureSysteme, CleMontre::HeureSysteme);
    LieCheck(chkHeure, CleMontre::MontrerHeure);
    LieCheck(chkMinute, CleMontre::MontrerMinute);
    LieCheck(chkSeconde, CleMontre::MontrerSeconde);
    LieCheck(chkChiffres, CleMontre::MontrerChiffres);
    LieFonte(btFonte, CleMontre::Fonte, [this] { return montre().Bloc().Police.ToString(); });
    LieMode(btEpreuve, btCorrige, CleMontre::Mode);

    // The selector sends nothing: it shows the chosen part's settings. The local time and a
    // colour making a clear background solid change other controls.
    RafraichirApres(cbAiguille, &QComboBox::currentIndexChanged);
    RafraichirApres(btHeureSysteme, &QPushButton::clicked);
    RafraichirApres(btCoulBrosse, &TColorButton::colorChosen);
}

TvlMontre& TMontreProp::montre() const {
    return dynamic_cast<TvlMontre&>(*Composant());
}

TMontreProp::Element TMontreProp::element() const {
    return Element(std::max(0, cbAiguille->currentIndex()));
}

int TMontreProp::indexStyle(Champ champ) const {
    switch (element()) {
    case MONTRE:
        return CleMontre::StylePinceauCadre + int(champ);
    case AIGUILLE_HEURES:
        return CleMontre::StylePinceauHeure + int(champ);
    case AIGUILLE_MINUTES:
        return CleMontre::StylePinceauMinute + int(champ);
    case AIGUILLE_SECONDES:
        return champ <= TAILLE_PINCEAU ? CleMontre::StylePinceauSeconde + int(champ) : -1;
    }
    return -1;
}

void TMontreProp::envoieStyle(Champ champ, const std::string& valeur) {
    const int index = indexStyle(champ);
    if (MiseAJour() || index < 0)
        return;
    EcrireOptions(index, valeur);
}

// The style controls send to the keys of the part the selector shows, so they are tied here
// rather than to one key each.
void TMontreProp::lieStyle() {
    connect(cbPenStyle, &QComboBox::currentIndexChanged, this,
            [this](int item) { envoieStyle(STYLE_PINCEAU, std::to_string(item)); });
    connect(btCoulPinceau, &TColorButton::colorChosen, this,
            [this](TColor c) { envoieStyle(COULEUR_PINCEAU, std::to_string(c)); });
    connect(edTaillePen, &QLineEdit::returnPressed, this, [this] {
        envoieStyle(TAILLE_PINCEAU, edTaillePen->text().toStdString());
        edTaillePen->selectAll();
    });
    connect(UpDown1, &TUpDown::released, this,
            [this] { envoieStyle(TAILLE_PINCEAU, edTaillePen->text().toStdString()); });
    connect(cbBrushStyle, &QComboBox::currentIndexChanged, this,
            [this](int item) { envoieStyle(STYLE_BROSSE, std::to_string(item)); });
    connect(btCoulBrosse, &TColorButton::colorChosen, this,
            [this](TColor c) { envoieStyle(COULEUR_BROSSE, std::to_string(c)); });
}

void TMontreProp::remplirStyle() {
    const MontreOptions& bloc = montre().Bloc();
    const int e = element();
    cbPenStyle->setCurrentIndex(bloc.StylePinceau[e]);
    btCoulPinceau->SetColor(bloc.CouleurPinceau[e]);
    edTaillePen->setText(QString::number(bloc.TaillePinceau[e]));
    // The second hand is a plain line: it has no brush.
    const bool brosse = e < AIGUILLE_SECONDES;
    gbFond->setEnabled(brosse);
    gbFond->setTitle(brosse ? QStringLiteral("Remplissage")
                            : QStringLiteral("Remplissage : aucun pour cette aiguille"));
    cbBrushStyle->setCurrentIndex(brosse ? bloc.StyleBrosse[e] : -1);
    if (brosse)
        btCoulBrosse->SetColor(bloc.CouleurBrosse[e]);
}

void TMontreProp::RemplirControles() {
    const MontreOptions& bloc = montre().Bloc();
    RemplirCommuns();
    remplirStyle();
    edHeure->setText(QString::number(bloc.Heure));
    edMinute->setText(QString::number(bloc.Minute));
    edSeconde->setText(QString::number(bloc.Seconde));
    chkHeure->setChecked(bloc.MontrerHeure != 0);
    chkMinute->setChecked(bloc.MontrerMinute != 0);
    chkSeconde->setChecked(bloc.MontrerSeconde != 0);
    chkChiffres->setChecked(bloc.MontrerChiffres != 0);
    MontrerMode(btEpreuve, btCorrige, bloc.Mode);
}
