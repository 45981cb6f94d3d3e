#include "operation/forms/TChoixOp2.h"

#include "common/forms/SuperGrille.h"
#include "host/forms/NumberEdits.h"
#include "host/forms/QtConversions.h"
#include "operation/ChoixOp2Logique.h"
#include "operation/ChoixOp2Modele.h"
#include "platform/Locale.h"
#include "platform/UserInterface.h"

#include "ui_TChoixOp2.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr const char* kNote = "Maximum 8 chiffres DONT 6 décimales.\n"
                              "Exemples\u00A0:\n"
                              "1,2345678    99,123456\n"
                              "0,000001      99999999";

// The edits take 0 to 99999999 with up to six decimals.
void bornes(TDecimalEdit* edit) {
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,8}(,[0-9]{0,6})?")), edit));
}

// The edits always show a comma, whatever the locale's separator.
QString texteEdit(double valeur) {
    std::string texte = FormateNombre(valeur);
    std::replace(texte.begin(), texte.end(), DecimalSeparator(), ',');
    return ToQString(texte);
}

bool entree(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

TChoixOp2::TChoixOp2(ChoixOp2Modele& modele, QWidget* parent) : TModelDialog(modele, parent) {
    lbTitre = ui->lbTitre;
    Grille = ui->Grille;
    lbNote = ui->lbNote;
    lbStatut = ui->lbStatut;
    edMin = ui->edMin;
    edMax = ui->edMax;
    edMult1 = ui->edMult1;
    edMult2 = ui->edMult2;
    cbDec = ui->cbDec;
    chkZeros = ui->chkZeros;
    btGenerer = ui->btGenerer;
    btValider = ui->btValider;
    btAnnuler = ui->btAnnuler;

    const int operation = modele_.Definition.Operation;
    logique_ = std::make_unique<ChoixOp2Logique>(Grille->Grille(), operation);
    logique_->Retenues = modele_.Retenues;
    setWindowTitle(QStringLiteral("Choix des opérandes\u00A0: ") + ToQString(modele_.Nom));
    lbTitre->setText(ToQString(ChoixOp2Logique::Titre(operation)));
    QFont gras = lbTitre->font();
    gras.setBold(true);
    gras.setPointSizeF(gras.pointSizeF() * 1.2);
    lbTitre->setFont(gras);
    lbNote->setText(QString::fromUtf8(kNote));
    for (TDecimalEdit* edit : {edMin, edMax, edMult1, edMult2})
        bornes(edit);

    logique_->Initialise(modele_.Table, modele_.Definition);
    montreReglages();
    ajusteGrille();

    connect(Grille, &TSuperGrille::cellsChanged, this, &TChoixOp2::GrilleCellsChanged);
    connect(btGenerer, &QPushButton::clicked, this, &TChoixOp2::btGenererClick);
    connect(btValider, &QPushButton::clicked, this, &TChoixOp2::btValiderClick);
    connect(btAnnuler, &QPushButton::clicked, this, &TChoixOp2::btAnnulerClick);
    Grille->installEventFilter(this);
    Grille->viewport()->installEventFilter(this);
    Grille->setFocus();
}

TChoixOp2::~TChoixOp2() = default;

void TChoixOp2::ajusteGrille() {
    SuperGridModel& g = Grille->Grille();
    const QFontMetrics mesure = Grille->fontMetrics();
    g.defaultRowHeight = mesure.height() + 8;
    for (int l = 0; l < g.RowCount(); ++l)
        g.SetRowHeight(l, g.defaultRowHeight);
    const auto largeur = [&](const std::string& t) {
        return mesure.horizontalAdvance(ToQString(t));
    };
    g.SetColWidth(0, g.FittedWidth(0, largeur) + 8);
    // Eight digits and a comma fit in every operation's column.
    const int colonne = mesure.horizontalAdvance(QStringLiteral("99999999,9")) + 10;
    for (int c = 1; c < g.ColCount(); ++c)
        g.SetColWidth(c, colonne);

    // Every row shows: only the columns scroll.
    Grille->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int hauteur = 2 * Grille->frameWidth() + Grille->horizontalScrollBar()->sizeHint().height();
    for (int l = 0; l < g.RowCount(); ++l)
        hauteur += g.RowHeight(l) + g.gridLineWidth;
    Grille->setFixedHeight(hauteur);
    Grille->setMinimumWidth(g.ColWidth(0) + 8 * (colonne + g.gridLineWidth));
    Grille->Rafraichit();
}

void TChoixOp2::montreReglages() {
    const TDefinitionOperandes& d = logique_->Reglages;
    edMin->setText(texteEdit(d.ValeurMin));
    edMax->setText(texteEdit(d.ValeurMax));
    edMult1->setText(texteEdit(d.Multiple1));
    edMult2->setText(texteEdit(d.Multiple2));
    cbDec->setCurrentIndex(std::clamp<int>(d.Decimales, 0, cbDec->count() - 1));
    chkZeros->setChecked(d.PasDeZeros);
}

void TChoixOp2::litReglages() {
    TDefinitionOperandes& d = logique_->Reglages;
    d.ValeurMin = edMin->Value();
    d.ValeurMax = edMax->Value();
    d.Multiple1 = edMult1->Value();
    d.Multiple2 = edMult2->Value();
    d.Decimales = cbDec->currentIndex();
    d.PasDeZeros = chkZeros->isChecked();
}

void TChoixOp2::GrilleCellsChanged() {
    logique_->CellulesModifiees();
    Grille->Rafraichit();
}

void TChoixOp2::btGenererClick() {
    Grille->Grille().EndEdit(true);
    litReglages();
    std::string message;
    if (!logique_->GenererNombres(Grille->Grille().Selection(), message))
        Ui().MessageBox(message, "ERREUR", MB_OK | MB_ICONWARNING);
    Grille->Rafraichit();
}

void TChoixOp2::btValiderClick() {
    Grille->Grille().EndEdit(true);
    litReglages();
    std::string message;
    if (!logique_->Valider(modele_.Table, modele_.Definition, message)) {
        Ui().MessageBox(message, "ERREUR", MB_OK | MB_ICONWARNING);
        return;
    }
    done(mrOk);
}

void TChoixOp2::btAnnulerClick() {
    done(mrCancel);
}

template <typename Action> void TChoixOp2::surResultatOuvert(Action action) {
    SuperGridModel& g = Grille->Grille();
    const GridCoord c = g.Current();
    const bool resultat = c.row == logique_->LigneResultat();
    // The result row is protected from pasting and clearing, not from typing a result.
    if (resultat)
        g.SetProtected(c.col, c.row, false);
    action();
    if (resultat)
        g.SetProtected(c.col, c.row, true);
    Grille->Rafraichit();
}

bool TChoixOp2::toucheSurResultat(QKeyEvent* event) {
    SuperGridModel& g = Grille->Grille();
    const GridCoord c = g.Current();
    if (c.row != logique_->LigneResultat() || event->key() == Qt::Key_Delete)
        return false;
    if (g.Editing()) {
        if (!entree(event))
            return false;
        // Enter on a typed result: the column's operands are derived from it.
        const std::string resultat = g.EditText();
        g.EndEdit(false);
        litReglages();
        logique_->DeriveOperandes(c.col, resultat);
        Grille->Rafraichit();
        return true;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    relais_ = true;
    surResultatOuvert([&] { QCoreApplication::sendEvent(Grille, event); });
    relais_ = false;
    return true;
}

bool TChoixOp2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Grille && event->type() == QEvent::KeyPress && !relais_)
        return toucheSurResultat(static_cast<QKeyEvent*>(event));
    if (watched == Grille->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // A double click opens the cell under the mouse, which the first click made current.
        const GridCoord c = Grille->Grille().Current();
        if (!Grille->Grille().Editing() && c.col > 0 && c.row > 0)
            surResultatOuvert([&] { Grille->Grille().KeyPress(SuperGridModel::Key::F2); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
