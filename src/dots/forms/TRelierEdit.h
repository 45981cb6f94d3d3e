// The points editor: the page where points are placed over a model picture with the mouse, and
// the page of the labels and answers grid with the series generator. It shows and forwards;
// RelierEditLogique places, picks, snaps and transfers.
#pragma once

#include "host/forms/ModelDialog.h"

class RelierEditLogique;
namespace Forms::Ui {
class TRelierEdit;
}

class TRelierEdit : public TModelDialog<TRelierEdit, RelierEditLogique, Forms::Ui::TRelierEdit> {
    Q_OBJECT
public:
    explicit TRelierEdit(RelierEditLogique& modele, QWidget* parent = nullptr);

public slots:
    void btImageClick();
    void btEraseClick();
    void btGenerateurClick();
    // "Sortie": the grid's texts go to the logic and the dialog closes with OK.
    void btSortieClick();
    // Closing another way asks whether the component takes the changes.
    void reject() override;

private:
    void grilleVersLogique();
    void logiqueVersGrille();
};
