#include "shape/forms/TFormeProp.h"

#include "shape/Forme.h"
#include "shape/FormeCles.h"

#include "ui_TFormeProp.h"

TFormeProp::TFormeProp(TvlForme& composant, QWidget* parent)
    : TKindPropForm(composant, "FormeProp", kClesForme, parent) {
    LiePagePosition(ui_->pagePosition);
    LieCadreStyle(ui_->cadreStyle);
    LieMode(ui_->btEpreuve, ui_->btCorrige, CleForme::Mode);
    RafraichirApres(ui_->btReinit, &QPushButton::clicked);

    // The count is sent as its text ("16"): the key takes the count itself, not its place.
    connect(ui_->cbNbPoints, &QComboBox::activated, this, [this] {
        if (!MiseAJour())
            EcrireOptions(CleForme::NbPoints, ui_->cbNbPoints->currentText().toStdString());
    });
    // The edit shows and sends tenths of a centimetre; the component keeps tenths of a mm.
    connect(ui_->edDistance, &QLineEdit::returnPressed, this, [this] {
        if (!MiseAJour())
            EcrireOptions(CleForme::Distance, ui_->edDistance->text().toStdString());
        ui_->edDistance->selectAll();
    });
}

void TFormeProp::RemplirControles() {
    const FormeOptions& bloc = composant().Bloc();
    ui_->cbNbPoints->setCurrentText(QString::number(bloc.NbPoints));
    ui_->edDistance->setText(QString::number(bloc.Distance / 10));
    MontrerMode(ui_->btEpreuve, ui_->btCorrige, bloc.Mode);
}
