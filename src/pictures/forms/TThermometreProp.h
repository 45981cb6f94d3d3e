// The thermometer's property window: position and size, the liquid's brush, the tube and its
// font, the ticks and the units of both scales, the scale's ends, the temperature, and the
// version in which the liquid is shown.
#pragma once

#include "host/forms/KindPropForm.h"

class TvlThermometre;

namespace Forms::Ui {
class TThermometreProp;
}

class TThermometreProp : public TKindPropForm<TvlThermometre, Forms::Ui::TThermometreProp> {
    Q_OBJECT
public:
    explicit TThermometreProp(TvlThermometre& composant, QWidget* parent = nullptr);

protected:
    void RemplirControles() override;
};
