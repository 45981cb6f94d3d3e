#include "sheet/forms/TChoixModele.h"

#include "host/forms/QtConversions.h"

#include "ui_TChoixModele.h"

#include <QPushButton>
#include <QSignalBlocker>

TChoixModele::TChoixModele(ChoixModeleModele& modele, QWidget* parent)
    : TModelDialog(modele, parent) {
    for (const std::string& niveau : modele_.Niveaux())
        ui->cbNiveau->addItem(ToQString(niveau));
    ui->btBoutons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(ui->cbNiveau, &QComboBox::currentIndexChanged, this, &TChoixModele::cbNiveauChange);
    connect(ui->lbModeles, &QListWidget::currentRowChanged, this, &TChoixModele::lbModelesChange);
    connect(ui->lbModeles, &QListWidget::itemDoubleClicked, this, &TChoixModele::btOkClick);
    connect(ui->btBoutons, &QDialogButtonBox::accepted, this, &TChoixModele::btOkClick);
    connect(ui->btBoutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    montre();
}

void TChoixModele::cbNiveauChange(int index) {
    modele_.ChoisitNiveau(index);
    montre();
}

void TChoixModele::lbModelesChange(int ligne) {
    modele_.Choisit(ligne);
    montre();
}

void TChoixModele::btOkClick() {
    if (modele_.Choisi() != nullptr)
        done(mrOk);
}

void TChoixModele::montre() {
    const QSignalBlocker bloqueNiveau(ui->cbNiveau);
    const QSignalBlocker bloqueListe(ui->lbModeles);
    ui->cbNiveau->setCurrentIndex(modele_.Niveau());
    QStringList lignes;
    for (const std::string& ligne : modele_.Lignes())
        lignes.push_back(ToQString(ligne));
    // The list is filled again only when the level changed its rows: a click on a row must
    // not free the item it is handled on.
    QStringList montrees;
    for (int i = 0; i < ui->lbModeles->count(); ++i)
        montrees.push_back(ui->lbModeles->item(i)->text());
    if (montrees != lignes) {
        ui->lbModeles->clear();
        ui->lbModeles->addItems(lignes);
    }
    ui->lbModeles->setCurrentRow(modele_.Ligne());
    const SheetModel* choisi = modele_.Choisi();
    ui->lbDescription->setText(choisi == nullptr
                                   ? QStringLiteral("Choisissez une feuille dans la liste.")
                                   : ToQString(choisi->level + "\u00A0: " + choisi->description));
    ui->btBoutons->button(QDialogButtonBox::Ok)->setEnabled(choisi != nullptr);
}
