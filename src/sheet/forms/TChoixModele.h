// The "Nouveau d'après un modèle" dialog: the ready-made sheets by level, each with its
// description; OK (or a double-click) leaves the chosen one in the model.
#pragma once

#include "host/forms/ModelDialog.h"
#include "sheet/ChoixModele.h"

namespace Forms::Ui {
class TChoixModele;
} // namespace Forms::Ui

class TChoixModele : public TModelDialog<TChoixModele, ChoixModeleModele, Forms::Ui::TChoixModele> {
    Q_OBJECT
public:
    explicit TChoixModele(ChoixModeleModele& modele, QWidget* parent = nullptr);

public slots:
    void cbNiveauChange(int index);
    void lbModelesChange(int ligne);
    void btOkClick();

private:
    // The rows, the chosen row, its description and the OK button as the model has them.
    void montre();
};
