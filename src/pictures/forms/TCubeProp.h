// The base-ten blocks' property window: position and size, the blocks' pen and brush, the
// number, the sizes of a unit cube and of the gaps, the frame fitted to the blocks, and the
// version in which the blocks are shown.
#pragma once

#include "host/forms/KindPropForm.h"

class TvlCube;

namespace Forms::Ui {
class TCubeProp;
}

class TCubeProp : public TKindPropForm<TvlCube, Forms::Ui::TCubeProp> {
    Q_OBJECT
public:
    explicit TCubeProp(TvlCube& composant, QWidget* parent = nullptr);

protected:
    void RemplirControles() override;
};
