// The shape's property window: position and size, point count, rounding, the reset of the
// points, the version in which the shape shows, and the outline and fill styles.
#pragma once

#include "host/forms/KindPropForm.h"

class TvlForme;

namespace Forms::Ui {
class TFormeProp;
}

class TFormeProp : public TKindPropForm<TvlForme, Forms::Ui::TFormeProp> {
    Q_OBJECT
public:
    explicit TFormeProp(TvlForme& composant, QWidget* parent = nullptr);

protected:
    void RemplirControles() override;
};
