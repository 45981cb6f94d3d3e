#include "fraction/forms/TFractionEdit2.h"

#include "common/forms/SuperGrille.h"
#include "fraction/FractionEdit2Logique.h"
#include "host/forms/NumberEdits.h"
#include "host/forms/QtConversions.h"
#include "platform/UserInterface.h"

#include "ui_TFractionEdit2.h"

#include <QFontMetrics>
#include <QScrollBar>

TFractionEdit2::TFractionEdit2(FractionEdit2Modele& modele, QWidget* parent)
    : TModelDialog(modele, parent) {
    logique_ = std::make_unique<FractionEdit2Logique>(ui->Grille->Grille(), modele_.Donnees,
                                                      modele_.Operation);
    setWindowTitle(QStringLiteral("Editeur de fractions\u00A0: ") + ToQString(modele_.Nom));
    ui->edNumMin->SetValue(unsigned(logique_->Numerateurs().min));
    ui->edNumMax->SetValue(unsigned(logique_->Numerateurs().max));
    ui->edDenMin->SetValue(unsigned(logique_->Denominateurs().min));
    ui->edDenMax->SetValue(unsigned(logique_->Denominateurs().max));
    ajusteGrille();
    connect(ui->Grille, &TSuperGrille::cellsChanged, ui->Grille, &TSuperGrille::Rafraichit);
    connect(ui->btGenerer, &QPushButton::clicked, this, &TFractionEdit2::btGenererClick);
    connect(ui->btValider, &QPushButton::clicked, this, &TFractionEdit2::btValiderClick);
    connect(ui->btFermer, &QPushButton::clicked, this, &TFractionEdit2::reject);
    ui->Grille->setFocus();
}

TFractionEdit2::~TFractionEdit2() = default;

void TFractionEdit2::ajusteGrille() {
    SuperGridModel& g = ui->Grille->Grille();
    const QFontMetrics mesure = ui->Grille->fontMetrics();
    g.defaultRowHeight = mesure.height() + 8;
    for (int l = 0; l < g.RowCount(); ++l)
        g.SetRowHeight(l, g.defaultRowHeight);
    const int colonne = mesure.horizontalAdvance(QStringLiteral("99999")) + 16;
    g.SetColWidth(0, mesure.horizontalAdvance(QStringLiteral("10")) + 16);
    for (int c = 1; c < g.ColCount(); ++c)
        g.SetColWidth(c, colonne);
    // Every cell shows: no scrolling.
    ui->Grille->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->Grille->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int hauteur = 2 * ui->Grille->frameWidth();
    for (int l = 0; l < g.RowCount(); ++l)
        hauteur += g.RowHeight(l) + g.gridLineWidth;
    int largeur = 2 * ui->Grille->frameWidth();
    for (int c = 0; c < g.ColCount(); ++c)
        largeur += g.ColWidth(c) + g.gridLineWidth;
    ui->Grille->setFixedSize(largeur, hauteur);
    ui->Grille->Rafraichit();
}

bool TFractionEdit2::litPlages() {
    std::string message;
    if (logique_->ChangePlages({int(ui->edNumMin->Value()), int(ui->edNumMax->Value())},
                               {int(ui->edDenMin->Value()), int(ui->edDenMax->Value())}, message))
        return true;
    Ui().MessageBox(message, "ERREUR", MB_OK | MB_ICONWARNING);
    return false;
}

void TFractionEdit2::btGenererClick() {
    ui->Grille->Grille().EndEdit(true);
    if (!litPlages())
        return;
    logique_->GenererNombres(ui->Grille->Grille().Selection());
    ui->Grille->Rafraichit();
}

void TFractionEdit2::btValiderClick() {
    ui->Grille->Grille().EndEdit(true);
    if (!litPlages())
        return;
    std::string message;
    if (!logique_->Valider(modele_.Donnees, message)) {
        Ui().MessageBox(message, "ERREUR", MB_OK | MB_ICONWARNING);
        return;
    }
    done(mrOk);
}

void TFractionEdit2::reject() {
    ui->Grille->Grille().EndEdit(true);
    if (!logique_->Modifie()) {
        done(mrCancel);
        return;
    }
    switch (Ui().MessageBox("Transférer les modifications vers le composant\u00A0?", "CONFIRMATION",
                            MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        btValiderClick();
        break;
    case IDNO:
        done(mrCancel);
        break;
    default:
        break;
    }
}
