// The series generator's dialog: the formula and the predefined ones, each variable's
// behaviour, the fill settings, and the result window whose "Appliquer" hands the pairs to
// the points editor. It shows and forwards; GenSeries compiles, evaluates and filters.
#pragma once

#include "dots/JeuPoints.h"
#include "host/forms/ModelDialog.h"

#include <vector>

class GenSeries;
struct PaireSerie;
namespace Forms::Ui {
class TGenSeries;
}

class TGenSeries : public TModelDialog<TGenSeries, GenSeries, Forms::Ui::TGenSeries> {
    Q_OBJECT
public:
    explicit TGenSeries(GenSeries& modele, QWidget* parent = nullptr);

    // The result window, modal: true when "Appliquer" was pressed.
    virtual bool MontreResultat(const std::vector<PaireSerie>& paires);

public slots:
    // Compiles the formula and lists its variables; a syntax error keeps the dialog as it is.
    bool btDefinirClick();
    // Keeps the shown variable's settings under its name.
    bool btValiderClick();
    void btCalculerClick();
    void btFermerClick();
    void cbPredefiniesChange(int index);

private:
    void lisReglages();
    void montreReglages();
    void montreVariable(const std::string& nom);
    void listeVariables();

    std::string variable_; // the variable whose settings are shown
};
