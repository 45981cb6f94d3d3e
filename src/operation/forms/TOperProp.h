// The operation component's property window: position and size, the frame's style, the
// fonts and layout of the exercises, the components they are shown on, the kind of operation
// and where its holes go. Every action becomes one option sent through the base.
#pragma once

#include "host/forms/PropFormWidget.h"

#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class QToolButton;
class TBrushStyleCombo;
class TColorButton;
class TComboRecepteurs;
class TComposant;
class TPenStyleCombo;
class TPageAspect;
class TUpDown;
class TvlOperation;

class TOperProp : public TPropFormWidget {
    Q_OBJECT
public:
    explicit TOperProp(TvlOperation& composant, QWidget* parent = nullptr);

    QTabWidget* pcProp;
    // "Aspect"
    TPageAspect* pageAspect;
    // "Style"
    TCadreStyle* cadreStyle;
    // "Aff."
    QPushButton* btFonte1;
    QPushButton* btFonte2;
    QLabel* lbFonte1;
    QLabel* lbFonte2;
    QToolButton* SpeedButton1;
    QLineEdit* edEpaisseurTrait;
    TUpDown* UpDown2;
    QCheckBox* chkSeparer;
    QCheckBox* chkCase;
    QCheckBox* chkEspSuppl;
    QCheckBox* chkProduit;
    TComboRecepteurs* cbRec;
    QListWidget* lbRec;
    QPushButton* btTransfere;
    QPushButton* btUp;
    QPushButton* btDown;
    QPushButton* btSupprime;
    // "Opér."
    QComboBox* cbOperation;
    QButtonGroup* rbOperation;
    QLineEdit* edNbOp;
    QCheckBox* chkInhibe;
    QPushButton* btDefinirOperande;
    QPushButton* btCalculer;
    QButtonGroup* rbTrousIsoles;
    QStackedWidget* nbOper;
    QListWidget* lbOperAdd;
    QListWidget* lbOperSous;
    QListWidget* lbOperMult;
    QListWidget* lbOperDiv;
    QButtonGroup* rbDiff;
    QCheckBox* cbDivLongue;
    QButtonGroup* rbDiffDiv;
    QLineEdit* edPrecision;

    // The receivers' buttons.
    void cbRecDropDown();
    void btTransfereClick();
    void btUpClick();
    void btDownClick();
    void btSupprimeClick();

protected:
    void RemplirControles() override;

private:
    TvlOperation& operation() const;
    // The lists of the holes, by kind of operation.
    QListWidget* listeTrous(int type) const;
    void lieTrous(QListWidget* liste);
    void remplirRecepteurs();
    // The receivers in the list's order, and the rows that are selected.
    std::vector<TComposant*> recepteursListe() const;
    // Gives the component the receivers, redraws, then shows them with `selection` selected.
    void etablirRecepteurs(const std::vector<TComposant*>& recepteurs,
                           const std::vector<TComposant*>& selection);
    // Moves the selected receivers one place up (-1) or down (+1).
    void deplaceSelection(int sens);
    // Refreshes every control once the current send is done, for keys whose effect reaches
    // other controls.
};
