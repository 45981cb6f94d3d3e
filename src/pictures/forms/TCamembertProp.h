// The pie chart's property window: position and size, the outline, disc and filled part
// styles, the fraction, its start and direction, the lines drawn, and the version in which the
// filled part is shown.
#pragma once

#include "host/forms/KindPropForm.h"

#include <memory>

class TvlCamembert;

namespace Forms::Ui {
class TCamembertProp;
}

class TCamembertProp : public TKindPropForm<TvlCamembert, Forms::Ui::TCamembertProp> {
    Q_OBJECT
public:
    explicit TCamembertProp(TvlCamembert& composant, QWidget* parent = nullptr);

protected:
    void RemplirControles() override;
};
