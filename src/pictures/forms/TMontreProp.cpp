#include "pictures/forms/TMontreProp.h"

#include "host/forms/ColorButton.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/TPagePosition.h"
#include "host/forms/UpDown.h"
#include "pictures/Montre.h"
#include "pictures/MontreCles.h"

#include "ui_TCadreStyle.h"
#include "ui_TMontreProp.h"

#include <algorithm>

TMontreProp::TMontreProp(TvlMontre& composant, QWidget* parent)
    : TKindPropForm(composant, "MontreProp", kClesMontre, parent) {
    ui_->cadreStyle->Controles().gbContour->setTitle(QStringLiteral("Trait"));

    ui_->cbAiguille->addItems({QStringLiteral("Montre"), QStringLiteral("Aiguille Heures"),
                               QStringLiteral("Aiguille Minutes"),
                               QStringLiteral("Aiguille Secondes")});

    LiePagePosition(ui_->pagePosition);
    LieCadreStyle(ui_->cadreStyle, [this](TCadreStyle::Champ champ) { return indexStyle(champ); });
    LieFonte(ui_->btFonte, CleMontre::Fonte,
             [this] { return this->composant().Bloc().Police.ToString(); });
    LieMode(ui_->btEpreuve, ui_->btCorrige, CleMontre::Mode);

    // The selector sends nothing: it shows the chosen part's settings. The local time changes
    // the three hands.
    RafraichirApres(ui_->cbAiguille, &QComboBox::currentIndexChanged);
    RafraichirApres(ui_->btHeureSysteme, &QPushButton::clicked);
}

TMontreProp::Element TMontreProp::element() const {
    return Element(std::max(0, ui_->cbAiguille->currentIndex()));
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
    const MontreOptions& bloc = composant().Bloc();
    // The second hand is a plain line: it has no brush.
    ui_->cadreStyle->Controles().gbFond->setTitle(
        element() < AIGUILLE_SECONDES
            ? QStringLiteral("Remplissage")
            : QStringLiteral("Remplissage\u00A0: aucun pour cette aiguille"));
    if (element() == AIGUILLE_SECONDES)
        ui_->cadreStyle->Controles().cbBrushStyle->setCurrentIndex(-1);
    MontrerMode(ui_->btEpreuve, ui_->btCorrige, bloc.Mode);
}
