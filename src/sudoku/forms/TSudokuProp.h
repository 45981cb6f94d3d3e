// The sudoku's property window: position and size, lines and background; the grid type,
// level and number of givens with the actions on the grid and what solving it takes; the
// digits' font and the pictures that replace them; the puzzle database with its filter and
// navigation.
#pragma once

#include "host/forms/PropFormWidget.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TBrushStyleCombo;
class TColorButton;
class TPenStyleCombo;
class TUpDown;
class TvlSudoku;

class TSudokuProp : public TPropFormWidget {
    Q_OBJECT
public:
    explicit TSudokuProp(TvlSudoku& composant, QWidget* parent = nullptr);

    QTabWidget* pcProp;
    // "Aspect"
    QLineEdit* edOrgX;
    QLineEdit* edOrgY;
    QLineEdit* edSizeX;
    QLineEdit* edSizeY;
    QCheckBox* chkDetachable;
    QCheckBox* chkActif;
    TPenStyleCombo* cbPenStyle;
    TColorButton* btCoulPinceau;
    QLineEdit* edTaillePen;
    TUpDown* UpDown1;
    TBrushStyleCombo* cbBrushStyle;
    TColorButton* btCoulBrosse;
    // "Grille"
    QButtonGroup* rgTypeGrille;
    QLineEdit* edNiveau;
    TUpDown* udNiveau;
    QLineEdit* edNbValeurs;
    TUpDown* udNbValeurs;
    QPushButton* btConstruire;
    QPushButton* btRechercheAvancee;
    QPushButton* btTransforme;
    QPushButton* btCopier;
    QPushButton* btColler;
    QPlainTextEdit* mmInformation;
    // "Chiffres"
    QPushButton* btFonte;
    QPushButton* btFonteCursive;
    QLabel* lbFonteCourante;
    TColorButton* btCouleurCorrige;
    QPushButton* btChargerImages;
    QPushButton* btEffacerImages;
    QCheckBox* chkAjuster;
    QCheckBox* chkTransparent;
    // "Base de données"
    QListWidget* clbRegles;
    QLabel* lbPathBdd;
    QPushButton* btOuvrirBdd;
    QPushButton* btPremier;
    QPushButton* btPrecedent;
    QPushButton* btSuivant;
    QPushButton* btDernier;
    QLineEdit* edEnrCourant;
    QPushButton* btRechercheAvancee2;

public slots:
    void btFonteCursiveClick();
    void btChargerImagesClick();
    void btOuvrirBddClick();
    void clbReglesClickCheck();

protected:
    void RemplirControles() override;

private:
    TvlSudoku& sudoku() const;
    // A button that sends a fixed value.
    void lieValeur(QAbstractButton* bouton, int index, const std::string& valeur);
    // The filter string of the check list: '1' for each rule checked.
    std::string filtre() const;
};
