// The text block's property window: its text (sent whole by a button, as Enter starts a new
// paragraph), alignment and font; position, instruction, outline and background as every kind.
#pragma once

#include "host/forms/KindPropForm.h"

class TTexte;

namespace Forms::Ui {
class TTexteProp;
}

class TTexteProp : public TKindPropForm<TTexte, Forms::Ui::TTexteProp> {
    Q_OBJECT
public:
    explicit TTexteProp(TTexte& composant, QWidget* parent = nullptr);

protected:
    void RemplirControles() override;
};
