// The clock's property window: position and size; the pen and brush of the dial or of one
// hand, chosen with a selector; the time shown, the hands and numbers shown, the numbers'
// font, and the version in which the hands are shown.
#pragma once

#include "host/forms/PropFormWidget.h"

#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class TBrushStyleCombo;
class TColorButton;
class TPenStyleCombo;
class TPageAspect;
class TUpDown;
class TvlMontre;

class TMontreProp : public TPropFormWidget {
    Q_OBJECT
public:
    // The parts whose pen and brush the style page edits, in the selector's order.
    enum Element : int { MONTRE = 0, AIGUILLE_HEURES, AIGUILLE_MINUTES, AIGUILLE_SECONDES };

    explicit TMontreProp(TvlMontre& composant, QWidget* parent = nullptr);

    QTabWidget* pcProp;
    // "Aspect"
    TPageAspect* pageAspect;
    // "Style"
    QComboBox* cbAiguille;
    TCadreStyle* cadreStyle;
    // "Affichage"
    QLineEdit* edHeure;
    TUpDown* UpDown2;
    QLineEdit* edMinute;
    TUpDown* UpDown3;
    QLineEdit* edSeconde;
    TUpDown* UpDown4;
    QPushButton* btHeureSysteme;
    QCheckBox* chkHeure;
    QCheckBox* chkMinute;
    QCheckBox* chkSeconde;
    QCheckBox* chkChiffres;
    QPushButton* btFonte;
    QToolButton* btEpreuve;
    QToolButton* btCorrige;

protected:
    void RemplirControles() override;

private:
    // The pen and brush settings in key order: pen style, colour, width, brush style, colour.

    TvlMontre& montre() const;
    Element element() const;
    // The key of a setting of the chosen part; -1 for the brush of the second hand, which
    // has none.
    // The key of the part the selector shows for a pen or brush setting; -1 for the second
    // hand's brush, which it has not.
    int indexStyle(TCadreStyle::Champ champ) const;
};
