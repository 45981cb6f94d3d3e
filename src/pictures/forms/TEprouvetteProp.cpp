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

#include <utility>

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
    // The volumes are typed and shown in millilitres, not as the hundredths the block keeps.
    for (const auto& [edit, index] :
         {std::pair(ui_->edVolume, int(CleEprouvette::Volume)),
          std::pair(ui_->edVolumeLiquide, int(CleEprouvette::VolumeLiquide))}) {
        connect(edit, &QLineEdit::returnPressed, this, [this, edit = edit, index = index] {
            if (!MiseAJour())
                EcrireOptions(index, edit->text().toStdString());
            edit->selectAll();
        });
    }
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
        QStringLiteral("Largeur\u00A0: %1 cm").arg(centimetres(tube.LargeurCm())));
    ui_->lbHauteurGraduee->setText(
        QStringLiteral("Hauteur graduée\u00A0: %1 cm").arg(centimetres(tube.HauteurCm())));
    // With "Recalcule graduations" the tube's size gives the volume: it is shown, not typed.
    const bool calcule = bloc.CalculsEprouvette == 1;
    ui_->edVolume->setVisible(!calcule);
    ui_->lbVolumeCalcule->setVisible(calcule);
    if (calcule)
        ui_->lbVolumeCalcule->setText(
            QString::fromStdString(TvlEprouvette::Millilitres(bloc.Volume) + " (calculé)"));
    else
        ui_->edVolume->setText(QString::fromStdString(TvlEprouvette::Millilitres(bloc.Volume)));
    ui_->edVolumeLiquide->setText(
        QString::fromStdString(TvlEprouvette::Millilitres(bloc.VolumeLiquide)));
    MontrerMode(ui_->btEpreuve, ui_->btCorrige, bloc.Mode);
}
