#include "host/forms/TTexteProp.h"

#include "host/Texte.h"

#include "ui_TTexteProp.h"

#include <QPushButton>

TTexteProp::TTexteProp(TTexte& composant, QWidget* parent)
    : TKindPropForm(composant, "TexteProp", TTexte::Table(), parent) {
    LiePagePosition(ui_->pagePosition);
    LieCadreStyle(ui_->cadreStyle);
    LieFonte(ui_->btFonte, ClesTexte::Fonte,
             [this] { return this->composant().Reglages().Police.ToString(); });
    connect(ui_->btAppliquer, &QPushButton::clicked, this, [this] {
        EcrireOptions(ClesTexte::Paragraphes, ui_->mmTexte->toPlainText().toStdString());
    });
}

void TTexteProp::RemplirControles() {
    const std::vector<std::string>& paragraphes = composant().ListeParagraphes();
    std::string texte;
    for (std::size_t i = 0; i < paragraphes.size(); ++i)
        texte += (i > 0 ? "\n" : "") + paragraphes[i];
    ui_->mmTexte->setPlainText(QString::fromStdString(texte));
}
