// The test tube's property window: position and size with the tube's inner width and
// graduated height in centimetres, the liquid's brush and surface, the font, the unit and the
// origin of the scale, the ticks, the full and liquid volumes in millilitres, and the version
// in which the liquid is shown.
#pragma once

#include "host/forms/KindPropForm.h"

class TvlEprouvette;

namespace Forms::Ui {
class TEprouvetteProp;
}

class TEprouvetteProp : public TKindPropForm<TvlEprouvette, Forms::Ui::TEprouvetteProp> {
    Q_OBJECT
public:
    explicit TEprouvetteProp(TvlEprouvette& composant, QWidget* parent = nullptr);

protected:
    void RemplirControles() override;
};
