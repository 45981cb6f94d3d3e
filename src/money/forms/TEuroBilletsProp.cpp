#include "money/forms/TEuroBilletsProp.h"

#include "money/EuroBillets.h"
#include "money/EuroBilletsCles.h"

#include "ui_TEuroBilletsProp.h"

TEuroBilletsProp::TEuroBilletsProp(TvlEuroBillets& composant, QWidget* parent)
    : TCollectionProp(composant, "EuroBilletsProp", kClesEuroBillets, parent) {
    LiePagePosition(ui_->pagePosition);
    LieMode(ui_->btEpreuve, ui_->btCorrige, CleBillets::Mode);
    std::vector<QString> libelles;
    for (const int euros : TvlEuroBillets::kValeurs)
        libelles.push_back(QStringLiteral("%1 €").arg(euros));
    LieCollection(libelles);
}

void TEuroBilletsProp::RemplirControles() {
    MontrerCollection(QString::number(composant().Somme()));
    MontrerMode(ui_->btEpreuve, ui_->btCorrige, composant().Bloc().Mode);
}
