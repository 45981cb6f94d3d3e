// The marked masses' property window: the count of each mass, the sum, random masses, the same
// sum with other masses; the zoom, the gap, the labels and their font, and the version in which
// the masses are shown.
#pragma once

#include "money/forms/TCollectionProp.h"

class TvlMasses;

namespace Forms::Ui {
class TMassesProp;
}

class TMassesProp : public TCollectionProp<TvlMasses, Forms::Ui::TMassesProp> {
    Q_OBJECT
public:
    explicit TMassesProp(TvlMasses& composant, QWidget* parent = nullptr);

protected:
    void RemplirControles() override;
};
