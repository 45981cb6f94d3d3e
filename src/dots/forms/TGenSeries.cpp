#include "dots/forms/TGenSeries.h"

#include "dots/GenSeries.h"
#include "host/Conversions.h"
#include "host/forms/QtConversions.h"
#include "platform/Numbers.h"
#include "platform/UserInterface.h"

#include "ui_TGenSeries.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

double reel(const QLineEdit* edit) {
    double v = 0;
    return ParseDecimal(edit->text().toStdString(), v) && std::isfinite(v) ? v : 0;
}

QString texte(double v) {
    return ToQString(WriteShortest(v));
}

} // namespace

TGenSeries::TGenSeries(GenSeries& modele, QWidget* parent) : TModelDialog(modele, parent) {
    for (const std::string& nom : GenSeries::Predefinies())
        ui->cbPredefinies->addItem(ToQString(nom));
    montreReglages();
    if (!modele_.Reglages.Formule.empty()) {
        std::string message;
        std::size_t position = 0;
        if (modele_.Definir(message, position))
            listeVariables();
    }
    ui->gbDefinition->setEnabled(false);
    connect(ui->btDefinir, &QPushButton::clicked, this, &TGenSeries::btDefinirClick);
    connect(ui->btValider, &QPushButton::clicked, this, &TGenSeries::btValiderClick);
    connect(ui->edPassage, &QLineEdit::returnPressed, this, &TGenSeries::btValiderClick);
    connect(ui->btCalculer, &QPushButton::clicked, this, &TGenSeries::btCalculerClick);
    connect(ui->btFermer, &QPushButton::clicked, this, &TGenSeries::btFermerClick);
    connect(ui->cbPredefinies, &QComboBox::activated, this, &TGenSeries::cbPredefiniesChange);
    connect(ui->lbVariables, &QListWidget::currentTextChanged, this, [this](const QString& nom) {
        if (!variable_.empty())
            btValiderClick();
        montreVariable(nom.toStdString());
    });
}

void TGenSeries::montreReglages() {
    const JeuPoints& r = modele_.Reglages;
    ui->edFormule->setText(ToQString(r.Formule));
    ui->cbTri->setCurrentIndex(r.Tri);
    ui->ckIdentiques->setChecked(r.SupprimerIdentiques);
    ui->ckLimiter->setChecked(r.SeLimiter);
    ui->ckInferieurs->setChecked(r.SupprimerInferieurs);
    ui->ckSuperieurs->setChecked(r.SupprimerSuperieurs);
    ui->edInferieur->setText(texte(r.BorneInferieure));
    ui->edSuperieur->setText(texte(r.BorneSuperieure));
    ui->edDecimalesResultat->setValue(r.DecimalesResultat);
}

void TGenSeries::lisReglages() {
    JeuPoints& r = modele_.Reglages;
    r.Formule = ui->edFormule->text().toStdString();
    r.Tri = std::int16_t(ui->cbTri->currentIndex());
    r.SupprimerIdentiques = ui->ckIdentiques->isChecked();
    r.SeLimiter = ui->ckLimiter->isChecked();
    r.SupprimerInferieurs = ui->ckInferieurs->isChecked();
    r.SupprimerSuperieurs = ui->ckSuperieurs->isChecked();
    r.BorneInferieure = reel(ui->edInferieur);
    r.BorneSuperieure = reel(ui->edSuperieur);
    r.DecimalesResultat = std::int16_t(ui->edDecimalesResultat->value());
}

void TGenSeries::listeVariables() {
    const QSignalBlocker bloque(ui->lbVariables);
    ui->lbVariables->clear();
    for (const std::string& nom : modele_.Variables())
        ui->lbVariables->addItem(ToQString(nom));
    variable_.clear();
    ui->gbDefinition->setEnabled(false);
}

void TGenSeries::montreVariable(const std::string& nom) {
    variable_ = nom;
    ui->gbDefinition->setEnabled(!nom.empty());
    const VariableSerie v = modele_.Definition(nom);
    ui->gbDefinition->setTitle(
        QStringLiteral("Définition de la variable «\u00A0%1\u00A0»").arg(ToQString(nom)));
    (v.Comportement == COMPORTEMENT_ALEATOIRE ? ui->rbAleatoire
     : v.Comportement == COMPORTEMENT_PASSAGE ? ui->rbPassage
                                              : ui->rbConstante)
        ->setChecked(true);
    ui->edInitiale->setText(texte(v.Initiale));
    ui->edMinimum->setText(texte(v.Minimum));
    ui->edMaximum->setText(texte(v.Maximum));
    ui->edPassage->setText(ToQString(v.Passage));
    ui->edDecimales->setValue(v.Decimales);
}

bool TGenSeries::btDefinirClick() {
    lisReglages();
    std::string message;
    std::size_t position = 0;
    if (!modele_.Definir(message, position)) {
        Ui().MessageBox(message, "ERREUR", MB_OK | MB_ICONERROR);
        return false;
    }
    listeVariables();
    return true;
}

bool TGenSeries::btValiderClick() {
    if (variable_.empty())
        return true;
    VariableSerie v;
    v.Nom = variable_;
    v.Comportement = ui->rbAleatoire->isChecked() ? COMPORTEMENT_ALEATOIRE
                     : ui->rbPassage->isChecked() ? COMPORTEMENT_PASSAGE
                                                  : COMPORTEMENT_CONSTANT;
    v.Initiale = reel(ui->edInitiale);
    v.Minimum = reel(ui->edMinimum);
    v.Maximum = reel(ui->edMaximum);
    v.Passage = ui->edPassage->text().toStdString();
    v.Decimales = std::int16_t(ui->edDecimales->value());
    std::string message;
    if (modele_.Valider(v, message))
        return true;
    Ui().MessageBox(message, "ERREUR", MB_OK | MB_ICONERROR);
    return false;
}

void TGenSeries::cbPredefiniesChange(int index) {
    if (!modele_.ChoisitPredefinie(ui->cbPredefinies->itemText(index).toStdString()) || index == 0)
        return;
    montreReglages();
    if (btDefinirClick())
        btCalculerClick();
}

void TGenSeries::btCalculerClick() {
    if (!btValiderClick())
        return;
    lisReglages();
    std::vector<PaireSerie> paires;
    std::string message;
    std::string titre;
    if (!modele_.Calculer(paires, message, titre)) {
        if (!message.empty())
            Ui().MessageBox(message, titre, MB_OK | MB_ICONERROR);
        return;
    }
    if (MontreResultat(paires)) {
        modele_.Resultat = std::move(paires);
        modele_.Applique = true;
    }
}

bool TGenSeries::MontreResultat(const std::vector<PaireSerie>& paires) {
    QDialog fenetre(this);
    fenetre.setObjectName("Resultat");
    fenetre.setWindowTitle(QStringLiteral("Résultat des calculs"));
    auto* table = new QTableWidget(int(paires.size()), 2, &fenetre);
    table->setHorizontalHeaderLabels({QStringLiteral("Epreuve"), QStringLiteral("Corrigé")});
    for (int i = 0; i < int(paires.size()); ++i) {
        table->setItem(i, 0, new QTableWidgetItem(ToQString(paires[std::size_t(i)].Etiquette)));
        table->setItem(i, 1, new QTableWidgetItem(ToQString(paires[std::size_t(i)].Reponse)));
    }
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Cancel, &fenetre);
    QPushButton* appliquer =
        boutons->addButton(QStringLiteral("Appliquer"), QDialogButtonBox::AcceptRole);
    appliquer->setObjectName("btAppliquer");
    connect(boutons, &QDialogButtonBox::accepted, &fenetre, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, &fenetre, &QDialog::reject);
    auto* disposition = new QVBoxLayout(&fenetre);
    disposition->addWidget(table);
    disposition->addWidget(boutons);
    return fenetre.exec() == QDialog::Accepted;
}

void TGenSeries::btFermerClick() {
    if (!btValiderClick())
        return;
    lisReglages();
    accept();
}
