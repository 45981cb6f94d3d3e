#include "dots/forms/TRelierProp.h"

#include "dots/Relier.h"
#include "dots/RelierCles.h"

#include "ui_TCadreStyle.h"
#include "ui_TRelierProp.h"

TRelierProp::TRelierProp(TvlRelier& composant, QWidget* parent)
    : TKindPropForm(composant, "RelierProp", kClesRelier, parent) {
    LiePagePosition(ui_->pagePosition);
    LieCadreStyle(ui_->cadreStyle);
    // Lines and markers only: no background.
    ui_->cadreStyle->Controles().gbFond->hide();
    LieFonte(ui_->btFonte, CleRelier::Fonte,
             [this] { return this->composant().Bloc().Fonte.ToString(); });
    RafraichirApres(ui_->btFonte, &QPushButton::clicked);
    LieMode(ui_->btEpreuve, ui_->btCorrige, CleRelier::Mode);
    connect(ui_->btEditer, &QPushButton::clicked, this, [this] {
        this->composant().DblClk(0, {0, 0});
    });
    connect(ui_->btChamps, &QPushButton::clicked, this,
            [this] { this->composant().EditeurChamps(); });
}

void TRelierProp::RemplirControles() {
    MontrerMode(ui_->btEpreuve, ui_->btCorrige, composant().Bloc().Mode);
}
