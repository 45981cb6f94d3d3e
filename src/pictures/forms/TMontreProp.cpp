#include "pictures/forms/TMontreProp.h"

#include "host/forms/ColorButton.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/TPageAspect.h"
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
    : TPropFormWidget(&composant, "MontreProp", kClesMontre, parent) {
    Ui_TMontreProp ui;
    ui.setupUi(this);
    pcProp = ui.pcProp;
    pageAspect = ui.pageAspect;
    cbAiguille = ui.cbAiguille;
    cadreStyle = ui.cadreStyle;
    cadreStyle->gbContour->setTitle(QStringLiteral("Trait"));
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
    UpDown2->SetAssociate(edHeure);
    UpDown3->SetAssociate(edMinute);
    UpDown4->SetAssociate(edSeconde);

    LiePageAspect(pageAspect);
    LieCadreStyle(cadreStyle, [this](TCadreStyle::Champ champ) { return indexStyle(champ); });
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

    // The selector sends nothing: it shows the chosen part's settings. The local time changes
    // the three hands.
    RafraichirApres(cbAiguille, &QComboBox::currentIndexChanged);
    RafraichirApres(btHeureSysteme, &QPushButton::clicked);
}

TvlMontre& TMontreProp::montre() const {
    return dynamic_cast<TvlMontre&>(*Composant());
}

TMontreProp::Element TMontreProp::element() const {
    return Element(std::max(0, cbAiguille->currentIndex()));
}

int TMontreProp::indexStyle(TCadreStyle::Champ champ) const {
    switch (element()) {
    case MONTRE:
        return CleMontre::StylePinceauCadre + int(champ);
    case AIGUILLE_HEURES:
        return CleMontre::StylePinceauHeure + int(champ);
    case AIGUILLE_MINUTES:
        return CleMontre::StylePinceauMinute + int(champ);
    case AIGUILLE_SECONDES:
        return champ <= TCadreStyle::TaillePinceau ? CleMontre::StylePinceauSeconde + int(champ)
                                                   : -1;
    }
    return -1;
}

void TMontreProp::RemplirControles() {
    const MontreOptions& bloc = montre().Bloc();
    // The second hand is a plain line: it has no brush.
    cadreStyle->gbFond->setTitle(element() < AIGUILLE_SECONDES
                                     ? QStringLiteral("Remplissage")
                                     : QStringLiteral("Remplissage : aucun pour cette aiguille"));
    if (element() == AIGUILLE_SECONDES)
        cadreStyle->cbBrushStyle->setCurrentIndex(-1);
    MontrerMode(btEpreuve, btCorrige, bloc.Mode);
}
