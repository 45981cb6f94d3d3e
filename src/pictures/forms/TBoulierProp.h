// The abacus's property window: position and size, the frame's pen and brush, the beads'
// colours, the type, base, rods and number, the working mode, and the version in which the
// answer is shown.
#pragma once

#include "host/forms/KindPropForm.h"

class TvlBoulier;

namespace Forms::Ui {
class TBoulierProp;
}

class TBoulierProp : public TKindPropForm<TvlBoulier, Forms::Ui::TBoulierProp> {
    Q_OBJECT
public:
    explicit TBoulierProp(TvlBoulier& composant, QWidget* parent = nullptr);

protected:
    void RemplirControles() override;
};
