// The operand dialog: a grid with one column per operation, the random settings and the
// buttons. It shows and forwards; ChoixOp2Logique computes, draws and checks.
#pragma once

#include "host/forms/ModelDialog.h"

#include <memory>

class ChoixOp2Logique;
class ChoixOp2Modele;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class TDecimalEdit;
class TFormModel;
class TSuperGrille;
namespace Forms::Ui {
class TChoixOp2;
}

class TChoixOp2 : public TModelDialog<TChoixOp2, ChoixOp2Modele, Forms::Ui::TChoixOp2> {
    Q_OBJECT
public:
    explicit TChoixOp2(ChoixOp2Modele& modele, QWidget* parent = nullptr);
    ~TChoixOp2() override;

    ChoixOp2Logique& Logique() { return *logique_; }

    QLabel* lbTitre;
    TSuperGrille* Grille;
    QLabel* lbNote;
    QLabel* lbStatut;
    TDecimalEdit* edMin;
    TDecimalEdit* edMax;
    TDecimalEdit* edMult1;
    TDecimalEdit* edMult2;
    QComboBox* cbDec;
    QCheckBox* chkZeros;
    QPushButton* btGenerer;
    QPushButton* btValider;
    QPushButton* btAnnuler;

public slots:
    void btGenererClick();
    void btValiderClick();
    void btAnnulerClick();
    void GrilleCellsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void montreReglages();
    void litReglages();
    void ajusteGrille();
    // Runs `action` on the grid's model with the current result cell open to editing.
    template <typename Action> void surResultatOuvert(Action action);
    bool toucheSurResultat(QKeyEvent* event);

    std::unique_ptr<ChoixOp2Logique> logique_;
    // A key passed on to the grid by the filter itself.
    bool relais_ = false;
};
