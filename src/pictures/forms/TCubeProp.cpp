#include "pictures/forms/TCubeProp.h"

#include "host/forms/TPagePosition.h"
#include "host/forms/UpDown.h"
#include "pictures/Cube.h"
#include "pictures/CubeCles.h"

#include "ui_TCadreStyle.h"
#include "ui_TCubeProp.h"

#include <QPushButton>

TCubeProp::TCubeProp(TvlCube& composant, QWidget* parent)
    : TKindPropForm(composant, "CubeProp", kClesCube, parent) {
    ui_->cadreStyle->Controles().gbFond->setTitle(QStringLiteral("Pièces"));
    LiePagePosition(ui_->pagePosition);
    LieCadreStyle(ui_->cadreStyle);
    LieMode(ui_->btEpreuve, ui_->btCorrige, CleCube::Mode);

    // The sizes are kept in tenths and shown in half millimetres; fitting moves the frame.
    RafraichirApresEdit(ui_->edTaille);
    RafraichirApresEdit(ui_->edIntervalle);
    RafraichirApres(ui_->btAjusterTaille, &QPushButton::clicked);
}

void TCubeProp::RemplirControles() {
    const CubeOptions& bloc = composant().Bloc();
    ui_->edTaille->setText(QString::number(bloc.TailleCube / TvlCube::PAS_TAILLE));
    ui_->edIntervalle->setText(QString::number(bloc.IntervalleCube / TvlCube::PAS_TAILLE));
    MontrerMode(ui_->btEpreuve, ui_->btCorrige, bloc.Mode);
}
