// The operation component's property window: position and size, the frame's style, the
// fonts and layout of the exercises, the components they are shown on, the kind of operation
// and where its holes go. Every action becomes one option sent through the base.
#pragma once

#include "host/forms/KindPropForm.h"

#include <memory>

#include <vector>

class QListWidget;
class TComposant;
class TvlOperation;

namespace Forms::Ui {
class TOperProp;
}

class TOperProp : public TKindPropForm<TvlOperation, Forms::Ui::TOperProp> {
    Q_OBJECT
public:
    explicit TOperProp(TvlOperation& composant, QWidget* parent = nullptr);

    // The receivers' buttons.
    void cbRecDropDown();
    void btTransfereClick();
    void btUpClick();
    void btDownClick();
    void btSupprimeClick();

protected:
    void RemplirControles() override;

private:
    // The lists of the holes, by kind of operation.
    QListWidget* listeTrous(int type) const;
    void lieTrous(QListWidget* liste);
    void remplirRecepteurs();
    // The receivers in the list's order: the component's own, which the list shows.
    std::vector<TComposant*> recepteursListe() const;
    // Gives the component the receivers, redraws, then shows them with `selection` selected.
    void etablirRecepteurs(const std::vector<TComposant*>& recepteurs,
                           const std::vector<TComposant*>& selection);
    // Moves the selected receivers one place up (-1) or down (+1).
    void deplaceSelection(int sens);
};
