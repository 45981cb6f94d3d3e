#include "pictures/forms/TEprouvetteProp.h"

#include "host/forms/ColorButton.h"
#include "host/forms/NumberEdits.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/TPagePosition.h"
#include "pictures/Eprouvette.h"
#include "pictures/EprouvetteCles.h"

#include "ui_TCadreStyle.h"
#include "ui_TEprouvetteProp.h"
#include "ui_TPagePosition.h"

#include <QButtonGroup>

TEprouvetteProp::TEprouvetteProp(TvlEprouvette& composant, QWidget* parent)
    : TKindPropForm(composant, "EprouvetteProp", kClesEprouvette, parent) {
    // The tube's outline is always black: the style page sets the liquid.
    ui_->cadreStyle->Controles().gbContour->hide();
    ui_->cadreStyle->Controles().gbFond->setTitle(QStringLiteral("Liquide"));

    auto* const rgUnite = GroupeRadio("rgUnite", {ui_->rbMl, ui_->rbCl, ui_->rbDl, ui_->rbL});
    auto* const rgCalculs = GroupeRadio("rgCalculs", {ui_->rbForce, ui_->rbRecalcule});

    LiePagePosition(ui_->pagePosition);
    LieCadreStyle(ui_->cadreStyle);
    LieFonte(ui_->btFonte, CleEprouvette::Fonte,
             [this] { return this->composant().Bloc().Police.ToString(); });
    LieRadio(rgUnite, CleEprouvette::Libelles);
    LieRadio(rgCalculs, CleEprouvette::CalculsEprouvette);
    // The volumes are typed in millilitres: RemplirControles shows them so.
    LieEdit(ui_->edVolume, CleEprouvette::Volume);
    LieEdit(ui_->edVolumeLiquide, CleEprouvette::VolumeLiquide);
    LieMode(ui_->btEpreuve, ui_->btCorrige, CleEprouvette::Mode);

    // The size and the scale's origin change the full volume.
    RafraichirApres(rgCalculs, &QButtonGroup::idClicked);
    RafraichirApresEdit(ui_->edVolume);
    RafraichirApresEdit(ui_->edVolumeLiquide);
    RafraichirApresEdit(ui_->pagePosition->Controles().edSizeX);
    RafraichirApresEdit(ui_->pagePosition->Controles().edSizeY);
}

void TEprouvetteProp::RemplirControles() {
    TvlEprouvette& tube = composant();
    const EprouvetteOptions& bloc = tube.Bloc();
    const auto centimetres = [](double cm) {
        return QString::number(cm, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
    };
    ui_->lbLargeurInterieure->setText(
        QStringLiteral("Largeur : %1 cm").arg(centimetres(tube.LargeurCm())));
    ui_->lbHauteurGraduee->setText(
        QStringLiteral("Hauteur graduée : %1 cm").arg(centimetres(tube.HauteurCm())));
    // With "Recalcule graduations" the volume shown is the one the drawing spreads.
    const int plein = bloc.CalculsEprouvette == 1 ? int(tube.VolumePlein() * 100) : bloc.Volume;
    ui_->edVolume->setText(QString::fromStdString(TvlEprouvette::Millilitres(plein)));
    ui_->edVolume->setReadOnly(bloc.CalculsEprouvette == 1);
    ui_->edVolumeLiquide->setText(
        QString::fromStdString(TvlEprouvette::Millilitres(bloc.VolumeLiquide)));
    MontrerMode(ui_->btEpreuve, ui_->btCorrige, bloc.Mode);
}
