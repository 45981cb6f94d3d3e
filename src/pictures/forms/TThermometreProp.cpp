#include "pictures/forms/TThermometreProp.h"

#include "host/forms/ColorButton.h"
#include "host/forms/NumberEdits.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/TPagePosition.h"
#include "host/forms/UpDown.h"
#include "pictures/Thermometre.h"
#include "pictures/ThermometreCles.h"

#include "ui_TCadreStyle.h"
#include "ui_TThermometreProp.h"

#include <QButtonGroup>

TThermometreProp::TThermometreProp(TvlThermometre& composant, QWidget* parent)
    : TKindPropForm(composant, "ThermometreProp", kClesThermometre, parent) {
    // The thermometer has no outline of its own: the style page sets the liquid.
    ui_->cadreStyle->Controles().gbContour->hide();
    ui_->cadreStyle->Controles().gbFond->setTitle(QStringLiteral("Liquide"));

    auto* const rgGauche = GroupeRadio("rgGauche", {ui_->rbGaucheCelsius, ui_->rbGaucheFahrenheit,
                                                    ui_->rbGaucheKelvin, ui_->rbGaucheAucun});
    auto* const rgDroite = GroupeRadio("rgDroite", {ui_->rbDroiteCelsius, ui_->rbDroiteFahrenheit,
                                                    ui_->rbDroiteKelvin, ui_->rbDroiteAucun});

    LiePagePosition(ui_->pagePosition);
    LieCadreStyle(ui_->cadreStyle);
    LieFonte(ui_->btFonte, CleThermometre::Fonte,
             [this] { return this->composant().Bloc().Police.ToString(); });
    LieRadio(rgGauche, CleThermometre::LibelleTemperatureGauche);
    LieRadio(rgDroite, CleThermometre::LibelleTemperatureDroite);
    LieMode(ui_->btEpreuve, ui_->btCorrige, CleThermometre::Mode);

    // Each end of the scale bounds the other's arrows.
    RafraichirApresEdit(ui_->edMinimum);
    RafraichirApresEdit(ui_->edMaximum);
    RafraichirApres(ui_->UpDown2, &TUpDown::released);
    RafraichirApres(ui_->UpDown3, &TUpDown::released);
}

void TThermometreProp::RemplirControles() {
    const ThermometreOptions& bloc = composant().Bloc();
    ui_->UpDown2->SetRange(-300, bloc.TemperatureMaximum - 1);
    ui_->UpDown3->SetRange(bloc.TemperatureMinimum + 1, 5000);
    MontrerMode(ui_->btEpreuve, ui_->btCorrige, bloc.Mode);
}
