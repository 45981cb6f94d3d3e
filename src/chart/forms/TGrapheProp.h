// The chart's property window, laid out from its key table: the position and frame pen, then
// one page each for the panel, the titles and legend, the axes, and the walls and 3D view;
// the version buttons and the links' refresh below.
#pragma once

#include "host/forms/PropFormWidget.h"

class QAbstractButton;
class QFormLayout;
class TvlGraphe;

class TGrapheProp : public TPropFormWidget {
    Q_OBJECT
public:
    explicit TGrapheProp(TvlGraphe& composant, QWidget* parent = nullptr);

protected:
    void RemplirControles() override;

private:
    // A control for the key's row, named by the key, on the page's form.
    void AjouteControle(QFormLayout* page, int index);
    // The chart shown now: the window is reused for the next chart selected.
    TvlGraphe& graphe() const;

    QAbstractButton* btEpreuve_ = nullptr;
    QAbstractButton* btCorrige_ = nullptr;
};
