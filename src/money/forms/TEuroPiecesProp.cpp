#include "money/forms/TEuroPiecesProp.h"

#include "money/EuroPieces.h"
#include "money/EuroPiecesCles.h"

#include "ui_TEuroPiecesProp.h"

#include <QButtonGroup>

TEuroPiecesProp::TEuroPiecesProp(TvlEuroPieces& composant, QWidget* parent)
    : TCollectionProp(composant, "EuroPiecesProp", kClesEuroPieces, parent) {
    auto* const rgTri =
        GroupeRadio("rgTri", {ui_->rbDecroissant, ui_->rbCroissant, ui_->rbDesordre});
    auto* const rgAspect =
        GroupeRadio("rgAspect", {ui_->rbCouleur, ui_->rbCouleurTraits, ui_->rbNoirBlanc});
    LiePagePosition(ui_->pagePosition);
    LieRadio(rgTri, ClePieces::TriPieces);
    LieRadio(rgAspect, ClePieces::AspectPieces);
    LieMode(ui_->btEpreuve, ui_->btCorrige, ClePieces::Mode);

    std::vector<QString> libelles;
    for (const int centimes : TvlEuroPieces::kValeurs)
        libelles.push_back(centimes < 100 ? QStringLiteral("%1 c").arg(centimes)
                                          : QStringLiteral("%1 €").arg(centimes / 100));
    LieCollection(libelles);
}

void TEuroPiecesProp::RemplirControles() {
    const int somme = composant().Somme();
    // The sum as its key reads it: euros, a comma, two digits.
    MontrerCollection(QStringLiteral("%1,%2").arg(somme / 100).arg(somme % 100, 2, 10, QChar('0')));
    MontrerMode(ui_->btEpreuve, ui_->btCorrige, composant().Bloc().Mode);
}
