// The fraction's property window: position and size, the frame's style, the kind of exercise
// with its steps and simplification, the fonts, the component the lines are shown on and what
// the test version hides. Every action becomes one option sent through the base.
#pragma once

#include "host/forms/KindPropForm.h"

class TvlFraction;

namespace Forms::Ui {
class TFractionProp;
}

class TFractionProp : public TKindPropForm<TvlFraction, Forms::Ui::TFractionProp> {
    Q_OBJECT
public:
    explicit TFractionProp(TvlFraction& composant, QWidget* parent = nullptr);

    // Fills the receivers' list just before it drops down, "Surface propre" first.
    void cbRecDropDown();
    // Sends "Rediriger" with the component chosen (none for "Surface propre").
    void cbRecChange(int index);
    // Opens the fraction editor.
    void btEditerClick();

protected:
    void RemplirControles() override;
};
