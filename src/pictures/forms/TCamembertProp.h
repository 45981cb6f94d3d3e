// The pie chart's property window: position and size, the outline, disc and filled part
// styles, the fraction, its start and direction, the lines drawn, and the version in which the
// filled part is shown.
#pragma once

#include "host/forms/PropFormWidget.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QToolButton;
class TBrushStyleCombo;
class TColorButton;
class TPenStyleCombo;
class TPageAspect;
class TUpDown;
class TvlCamembert;

class TCamembertProp : public TPropFormWidget {
    Q_OBJECT
public:
    explicit TCamembertProp(TvlCamembert& composant, QWidget* parent = nullptr);

    QTabWidget* pcProp;
    // "Aspect"
    TPageAspect* pageAspect;
    // "Style"
    TCadreStyle* cadreStyle;
    TBrushStyleCombo* cbStyleCamembert;
    TColorButton* btCoulCamembert;
    // "Fraction"
    QLineEdit* edNumerateur;
    TUpDown* UpDown2;
    QLineEdit* edDenominateur;
    TUpDown* UpDown3;
    QLineEdit* edAngle;
    TUpDown* UpDown4;
    QButtonGroup* rgSens;
    QRadioButton* rbAiguilles;
    QRadioButton* rbInverse;
    QCheckBox* chkSecteurs;
    QCheckBox* chkRayon;
    QToolButton* btEpreuve;
    QToolButton* btCorrige;

protected:
    void RemplirControles() override;

private:
    TvlCamembert& camembert() const;
};
