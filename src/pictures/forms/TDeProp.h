// The die's property window: position and size, the outline, face and pip styles, die or
// domino and its orientation, the values, and the version in which the pips are shown.
#pragma once

#include "host/forms/KindPropForm.h"

#include <memory>

class TvlDe;

namespace Forms::Ui {
class TDeProp;
}

class TDeProp : public TKindPropForm<TvlDe, Forms::Ui::TDeProp> {
    Q_OBJECT
public:
    explicit TDeProp(TvlDe& composant, QWidget* parent = nullptr);

protected:
    void RemplirControles() override;
};
