// The coins' property window: the count of each coin, the sum, random coins, the same sum with
// other coins; the zoom, the gap, the order, the pictures, the circles and the version in which
// the coins are shown.
#pragma once

#include "money/forms/TCollectionProp.h"

class TvlEuroPieces;

namespace Forms::Ui {
class TEuroPiecesProp;
}

class TEuroPiecesProp : public TCollectionProp<TvlEuroPieces, Forms::Ui::TEuroPiecesProp> {
    Q_OBJECT
public:
    explicit TEuroPiecesProp(TvlEuroPieces& composant, QWidget* parent = nullptr);

protected:
    void RemplirControles() override;
};
