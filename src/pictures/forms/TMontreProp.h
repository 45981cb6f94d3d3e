// The clock's property window: position and size; the pen and brush of the dial or of one
// hand, chosen with a selector; the time shown, the hands and numbers shown, the numbers'
// font, and the version in which the hands are shown.
#pragma once

#include "pictures/forms/PicturePropForm.h"

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
class TUpDown;
class TvlMontre;

class TMontreProp : public TPicturePropForm {
    Q_OBJECT
public:
    // The parts whose pen and brush the style page edits, in the selector's order.
    enum Element : int { MONTRE = 0, AIGUILLE_HEURES, AIGUILLE_MINUTES, AIGUILLE_SECONDES };

    explicit TMontreProp(TvlMontre& composant, QWidget* parent = nullptr);

    QTabWidget* pcProp;
    // "Aspect"
    QLineEdit* edOrgX;
    QLineEdit* edOrgY;
    QLineEdit* edSizeX;
    QLineEdit* edSizeY;
    QCheckBox* chkDetachable;
    QCheckBox* chkActif;
    // "Style"
    QComboBox* cbAiguille;
    TPenStyleCombo* cbPenStyle;
    TColorButton* btCoulPinceau;
    QLineEdit* edTaillePen;
    TUpDown* UpDown1;
    QGroupBox* gbFond;
    TBrushStyleCombo* cbBrushStyle;
    TColorButton* btCoulBrosse;
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
    enum Champ : int {
        STYLE_PINCEAU = 0,
        COULEUR_PINCEAU,
        TAILLE_PINCEAU,
        STYLE_BROSSE,
        COULEUR_BROSSE
    };

    TvlMontre& montre() const;
    Element element() const;
    // The key of a setting of the chosen part; -1 for the brush of the second hand, which
    // has none.
    int indexStyle(Champ champ) const;
    void envoieStyle(Champ champ, const std::string& valeur);
    void lieStyle();
    void remplirStyle();
};
