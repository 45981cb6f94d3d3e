#include "dots/forms/TRelierEdit.h"

#include "common/forms/SuperGrille.h"
#include "dots/RelierEditLogique.h"
#include "dots/forms/TZoneRelier.h"
#include "host/forms/QtConversions.h"
#include "platform/UserInterface.h"

#include "ui_TRelierEdit.h"

#include <QButtonGroup>

namespace {
constexpr int kColonneEpreuve = 1;
constexpr int kColonneCorrige = 2;
} // namespace

TRelierEdit::TRelierEdit(RelierEditLogique& modele, QWidget* parent)
    : TModelDialog(modele, parent) {
    ui->PaintBox->ChangeLogique(&modele_);
    ui->pcPages->setCurrentIndex(modele_.PageValeurs ? 1 : 0);
    auto* modes = new QButtonGroup(this);
    modes->addButton(ui->btAjout, int(RelierEditLogique::Mode::Ajout));
    modes->addButton(ui->btDeplace, int(RelierEditLogique::Mode::Deplace));
    modes->addButton(ui->btSupprime, int(RelierEditLogique::Mode::Supprime));
    connect(modes, &QButtonGroup::idClicked, this,
            [this](int id) { modele_.ModeSouris = RelierEditLogique::Mode(id); });
    ui->edPasX->setValue(modele_.PasX);
    ui->edPasY->setValue(modele_.PasY);
    connect(ui->edPasX, &QSpinBox::valueChanged, this, [this](int v) { modele_.PasX = v; });
    connect(ui->edPasY, &QSpinBox::valueChanged, this, [this](int v) { modele_.PasY = v; });
    ui->edImage->setText(ToQString(modele_.Image));
    if (std::string message; !modele_.Image.empty() && modele_.Modele.Empty() &&
                             !modele_.ChargeImage(modele_.Image, message))
        Ui().MessageBox(message, "ERREUR", MB_OK | MB_ICONWARNING);

    SuperGridModel& g = ui->Grille->Grille();
    g.SetSize(3, RelierEditLogique::kLignes + 1);
    g.SetCell(0, 0, "Points");
    g.SetCell(kColonneEpreuve, 0, "Epreuve");
    g.SetCell(kColonneCorrige, 0, "Corrigé");
    for (int l = 1; l <= RelierEditLogique::kLignes; ++l) {
        g.SetCell(0, l, std::to_string(l));
        g.SetProtected(0, l, true);
    }
    g.SetColWidth(kColonneEpreuve, 160);
    g.SetColWidth(kColonneCorrige, 120);
    logiqueVersGrille();

    connect(ui->btEffacerTout, &QPushButton::clicked, this, [this] {
        modele_.EffaceTout();
        ui->PaintBox->update();
    });
    connect(ui->btImage, &QPushButton::clicked, this, &TRelierEdit::btImageClick);
    connect(ui->btErase, &QPushButton::clicked, this, &TRelierEdit::btEraseClick);
    connect(ui->btGenerateur, &QPushButton::clicked, this, &TRelierEdit::btGenerateurClick);
    connect(ui->btSortie, &QPushButton::clicked, this, &TRelierEdit::btSortieClick);
    connect(ui->Grille, &TSuperGrille::cellsChanged, ui->Grille, &TSuperGrille::Rafraichit);
}

void TRelierEdit::grilleVersLogique() {
    SuperGridModel& g = ui->Grille->Grille();
    g.EndEdit(true);
    for (int l = 0; l < RelierEditLogique::kLignes; ++l)
        modele_.Lignes[std::size_t(l)] = {g.Cell(kColonneEpreuve, l + 1),
                                          g.Cell(kColonneCorrige, l + 1)};
}

void TRelierEdit::logiqueVersGrille() {
    SuperGridModel& g = ui->Grille->Grille();
    for (int l = 0; l < RelierEditLogique::kLignes; ++l) {
        g.SetCell(kColonneEpreuve, l + 1, modele_.Lignes[std::size_t(l)].Etiquette);
        g.SetCell(kColonneCorrige, l + 1, modele_.Lignes[std::size_t(l)].Reponse);
    }
    ui->Grille->Rafraichit();
}

void TRelierEdit::btImageClick() {
    std::string fichier;
    if (!Ui().OpenFileName("Ouvre le fichier image...", "Images (*.png *.jpg *.jpeg *.bmp)",
                           fichier))
        return;
    std::string message;
    if (!modele_.ChargeImage(fichier, message)) {
        Ui().MessageBox(message, "ERREUR", MB_OK | MB_ICONWARNING);
        return;
    }
    ui->edImage->setText(ToQString(modele_.Image));
    ui->PaintBox->update();
}

void TRelierEdit::btEraseClick() {
    modele_.EffaceImage();
    ui->edImage->clear();
    ui->PaintBox->update();
}

void TRelierEdit::btGenerateurClick() {
    grilleVersLogique();
    modele_.OuvreGenerateur();
    logiqueVersGrille();
}

void TRelierEdit::btSortieClick() {
    grilleVersLogique();
    accept();
}

void TRelierEdit::reject() {
    switch (Ui().MessageBox("Transférer les données vers le composant\u00A0?", "FERMETURE",
                            MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case mrYes:
        btSortieClick();
        break;
    case mrNo:
        QDialog::reject();
        break;
    default:
        break;
    }
}
