// The die's property window: position and size, the outline, face and pip styles, die or
// domino and its orientation, the values, and the version in which the pips are shown.
#pragma once

#include "host/forms/PropFormWidget.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class TBrushStyleCombo;
class TColorButton;
class TPenStyleCombo;
class TPageAspect;
class TUpDown;
class TvlDe;

class TDeProp : public TPropFormWidget {
    Q_OBJECT
public:
    explicit TDeProp(TvlDe& composant, QWidget* parent = nullptr);

    QTabWidget* pcProp;
    // "Aspect"
    TPageAspect* pageAspect;
    // "Style"
    TCadreStyle* cadreStyle;
    TBrushStyleCombo* cbStylePoint;
    TColorButton* btCoulPoint;
    // "Dé"
    QButtonGroup* rgAspect;
    QRadioButton* rbDe;
    QRadioButton* rbDomino;
    QButtonGroup* rgOrientation;
    QRadioButton* rbHorizontale;
    QRadioButton* rbVerticale;
    QLineEdit* edValeur1;
    TUpDown* UpDown2;
    QLabel* lbValeur2;
    QLineEdit* edValeur2;
    TUpDown* UpDown3;
    QPushButton* btAleatoire;
    QPushButton* btPermuter;
    QToolButton* btEpreuve;
    QToolButton* btCorrige;

protected:
    void RemplirControles() override;

private:
    TvlDe& de() const;
};
