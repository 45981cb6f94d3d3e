#include "fraction/forms/TFractionProp.h"

#include "fraction/Fraction.h"
#include "fraction/FractionCles.h"
#include "host/forms/NumberEdits.h"
#include "host/forms/QtConversions.h"
#include "host/forms/TPagePosition.h"
#include "host/forms/UpDown.h"
#include "operation/forms/ComboRecepteurs.h"
#include "platform/StringList.h"

#include "ui_TFractionProp.h"

#include <QButtonGroup>
#include <QSignalBlocker>

namespace {

constexpr const char* kSurfacePropre = "Surface propre";

QString resumeFonte(const Fonte& f) {
    return ToQString(f.NomPolice()) + QStringLiteral(" ") + QString::number(f.Taille);
}

} // namespace

TFractionProp::TFractionProp(TvlFraction& composant, QWidget* parent)
    : TKindPropForm(composant, "FractionProp", kClesFraction, parent) {
    auto* const rgSimplification =
        GroupeRadio("rgSimplification", {ui_->rbAucune, ui_->rbResultat, ui_->rbInseree});
    LiePagePosition(ui_->pagePosition);
    LieCadreStyle(ui_->cadreStyle);
    LieRadio(rgSimplification, CleFraction::Simplification);
    LieFonte(ui_->btFonte1, CleFraction::Fonte,
             [this] { return this->composant().Bloc().Fonte.ToString(); });
    LieFonte(ui_->btFonte2, CleFraction::FonteCorrige,
             [this] { return this->composant().Bloc().FonteCorrige.ToString(); });
    RafraichirApres(ui_->btFonte1, &QPushButton::clicked);
    RafraichirApres(ui_->btFonte2, &QPushButton::clicked);

    ui_->cbRec->addItem(QString::fromUtf8(kSurfacePropre));
    ui_->cbRec->AvantOuverture = [this] { cbRecDropDown(); };
    connect(ui_->cbRec, &QComboBox::activated, this, &TFractionProp::cbRecChange);
    connect(ui_->btEditer, &QPushButton::clicked, this, &TFractionProp::btEditerClick);
}

void TFractionProp::RemplirControles() {
    const FractionOptions& o = composant().Bloc();
    ui_->lbFonte1->setText(resumeFonte(o.Fonte));
    ui_->lbFonte2->setText(resumeFonte(o.FonteCorrige));
    const QSignalBlocker bloque(ui_->cbRec);
    ui_->cbRec->clear();
    ui_->cbRec->addItem(QString::fromUtf8(kSurfacePropre));
    if (!composant().Recepteurs.empty()) {
        ui_->cbRec->addItem(ToQString(composant().Recepteurs.front()->Nom()));
        ui_->cbRec->setCurrentIndex(1);
    }
}

void TFractionProp::cbRecDropDown() {
    const QSignalBlocker bloque(ui_->cbRec);
    const QString courant = ui_->cbRec->currentText();
    ui_->cbRec->clear();
    ui_->cbRec->addItem(QString::fromUtf8(kSurfacePropre));
    TStringList liste;
    if (TProjectInterface* projet = composant().Interface())
        projet->AjouteEmissions(liste, &composant());
    for (int i = 0; i < liste.Count(); ++i)
        ui_->cbRec->addItem(ToQString(liste[i]));
    ui_->cbRec->setCurrentIndex(std::max(0, ui_->cbRec->findText(courant)));
}

void TFractionProp::cbRecChange(int index) {
    if (MiseAJour())
        return;
    EcrireOptions(CleFraction::Rediriger,
                  index <= 0 ? std::string() : ui_->cbRec->itemText(index).toStdString());
}

void TFractionProp::btEditerClick() {
    if (composant().EditerNombres() && OnChange)
        OnChange();
}
