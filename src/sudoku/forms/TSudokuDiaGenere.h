// The puzzle search dialog ("Génération de grille"): the rules wanted, where to save the
// puzzles found, and the search's progress. It shows and forwards; SudokuDiaGenereModele runs
// the search and hands the puzzle to the component.
#pragma once

#include "host/forms/ModelDialog.h"

#include <array>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TFormModel;
class SudokuDiaGenereModele;
namespace Forms::Ui {
class TSudokuDiaGenere;
}

class TSudokuDiaGenere
    : public TModelDialog<TSudokuDiaGenere, SudokuDiaGenereModele, Forms::Ui::TSudokuDiaGenere> {
    Q_OBJECT

public:
    explicit TSudokuDiaGenere(SudokuDiaGenereModele& model, QWidget* parent = nullptr);
    ~TSudokuDiaGenere() override;

    // Closing, however it happens, ends the search (waiting for the grid being studied) and
    // keeps the check boxes for the next time.
    void done(int result) override;

    QCheckBox* chkUniqueCache;
    QCheckBox* chkVerrouille;
    QCheckBox* chkUpletNu;
    QCheckBox* chkUpletCache;
    QCheckBox* chkAutre;
    QPushButton* btSelectAlL2;
    QPushButton* btEfface2;
    QPushButton* btInverse2;
    QRadioButton* rbAutresRegles;
    QRadioButton* rbAucuneAutre;
    QCheckBox* chkEnregistre;
    QLineEdit* edNomFich;
    QPushButton* btParcourir;
    QLabel* lb;
    QLabel* lb2;
    QPushButton* btREchercher;
    QPushButton* btArreter;
    QPushButton* btFermer;
    QPushButton* btAide;

public slots:
    void FormCreate();
    void btSelectAlL2Click();
    void btEfface2Click();
    void btInverse2Click();
    void btParcourirClick();
    void btREchercherClick();
    void btArreterClick();
    void btAideClick();

private:
    std::array<QCheckBox*, 5> cases() const;
    // The controls' states into the model, and back.
    void litControles();
    void montreRegles();
    void montreEtat();
    void montreProgres();

    bool ferme_ = false;
};
