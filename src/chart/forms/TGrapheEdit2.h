// The chart data editor: the tabs of the series, one series' points in a transposed grid (a
// column per point: label, X, Y, colour), the series' name, type and marks, the titles and axes,
// and the tools. It shows and forwards; EditionGraphe fills, checks and transfers.
#pragma once

#include "chart/GrapheEdit2Modele.h"
#include "common/forms/SuperGrille.h"
#include "host/forms/ModelDialog.h"

#include <functional>

class QToolBar;
namespace Forms::Ui {
class TGrapheEdit2;
}

// The grid of the editor: the colour row painted in each point's colour.
class TGrilleGraphe : public TSuperGrille {
    Q_OBJECT
public:
    using TSuperGrille::TSuperGrille;
    // The colour of a point column (from 1).
    std::function<QColor(int col)> Couleur;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Typing goes to the label, X and Y rows only; numbers only in X and Y.
    void keyPressEvent(QKeyEvent* event) override;
};

class TGrapheEdit2 : public TModelDialog<TGrapheEdit2, GrapheEdit2Modele, Forms::Ui::TGrapheEdit2> {
    Q_OBJECT
public:
    explicit TGrapheEdit2(GrapheEdit2Modele& modele, QWidget* parent = nullptr);

    // Whether something changed since the last transfer.
    bool Modifie() const { return modifie_; }

public slots:
    void NouvelleSerieClick();
    void SupprimerSerieClick();
    void ImporterClick();
    void OrdreClick();
    void AleatoireClick();
    void SuitesClick();
    void RedimensionnerClick();
    void CouleurClick();
    void AideClick();
    // Writes the series, titles and axes into the chart; false after showing the refusal.
    bool AppliquerClick();
    void TransfererClick();
    // Closing without transfer asks first when something changed.
    void reject() override;

private:
    void creeMenus();
    void montreSeries();
    void montreSerie();
    void montrePanneau();
    void bornesActives();
    void litPanneau();
    void grilleVersModele();
    void change();
    int courante() const;
    bool aSerie() const;

    QToolBar* outils_ = nullptr;
    ReglagesSuite suite_; // the sequence settings last used in this editor
    bool modifie_ = false;
    bool affichage_ = false; // set while the controls are filled from the model
};
