#include "money/forms/TMassesProp.h"

#include "host/forms/QtConversions.h"
#include "money/Masses.h"
#include "money/MassesCles.h"

#include "ui_TMassesProp.h"

TMassesProp::TMassesProp(TvlMasses& composant, QWidget* parent)
    : TCollectionProp(composant, "MassesProp", kClesMasses, parent) {
    LiePagePosition(ui_->pagePosition);
    LieMode(ui_->btEpreuve, ui_->btCorrige, CleMasses::Mode);
    LieFonte(ui_->btFonte, CleMasses::Fonte,
             [this] { return this->composant().Bloc().Police.ToString(); });
    RafraichirApres(ui_->btFonte, &QPushButton::clicked);

    std::vector<QString> libelles;
    for (const int grammes : TvlMasses::kValeurs)
        libelles.push_back(grammes >= 1000 ? QStringLiteral("%1 kg").arg(grammes / 1000)
                                           : QStringLiteral("%1 g").arg(grammes));
    LieCollection(libelles);
}

void TMassesProp::RemplirControles() {
    const MassesOptions& bloc = composant().Bloc();
    MontrerCollection(QString::number(composant().Somme()));
    MontrerMode(ui_->btEpreuve, ui_->btCorrige, bloc.Mode);
    // "Andika 14, gras": what the labels are written in.
    QString police = ToQString(bloc.Police.NomPolice()) + QStringLiteral(" ") +
                     QString::number(bloc.Police.Taille);
    if (bloc.Police.Style & fsBold)
        police += QStringLiteral(", gras");
    if (bloc.Police.Style & fsItalic)
        police += QStringLiteral(", italique");
    ui_->lbFonte->setText(police);
}
