#include "sudoku/forms/TSudokuDiaGenere.h"

#include "host/Services.h"
#include "host/forms/QtConversions.h"
#include "sudoku/SudokuDiaGenere.h"

#include "ui_TSudokuDiaGenere.h"

#include <optional>

namespace {

constexpr int kAideSujet = 137;
constexpr char kTitreBase[] = "Ouvrir une base de données Sudoku";
constexpr char kFiltreBase[] = "Base de données Sudoku (*.dat);;Tous les fichiers (*)";

} // namespace

TSudokuDiaGenere::TSudokuDiaGenere(SudokuDiaGenereModele& model, QWidget* parent)
    : TModelDialog(model, parent) {
    chkUniqueCache = ui->chkUniqueCache;
    chkVerrouille = ui->chkVerrouille;
    chkUpletNu = ui->chkUpletNu;
    chkUpletCache = ui->chkUpletCache;
    chkAutre = ui->chkAutre;
    btSelectAlL2 = ui->btSelectAlL2;
    btEfface2 = ui->btEfface2;
    btInverse2 = ui->btInverse2;
    rbAutresRegles = ui->rbAutresRegles;
    rbAucuneAutre = ui->rbAucuneAutre;
    chkEnregistre = ui->chkEnregistre;
    edNomFich = ui->edNomFich;
    btParcourir = ui->btParcourir;
    lb = ui->lb;
    lb2 = ui->lb2;
    btREchercher = ui->btREchercher;
    btArreter = ui->btArreter;
    btFermer = ui->btFermer;
    btAide = ui->btAide;

    connect(btSelectAlL2, &QPushButton::clicked, this, &TSudokuDiaGenere::btSelectAlL2Click);
    connect(btEfface2, &QPushButton::clicked, this, &TSudokuDiaGenere::btEfface2Click);
    connect(btInverse2, &QPushButton::clicked, this, &TSudokuDiaGenere::btInverse2Click);
    connect(btParcourir, &QPushButton::clicked, this, &TSudokuDiaGenere::btParcourirClick);
    connect(btREchercher, &QPushButton::clicked, this, &TSudokuDiaGenere::btREchercherClick);
    connect(btArreter, &QPushButton::clicked, this, &TSudokuDiaGenere::btArreterClick);
    connect(btFermer, &QPushButton::clicked, this, &QDialog::reject);
    connect(btAide, &QPushButton::clicked, this, &TSudokuDiaGenere::btAideClick);
    connect(chkEnregistre, &QCheckBox::toggled, this, [this] { montreEtat(); });

    // The search reports from the user-interface thread; closing is queued so that it never
    // runs inside the model's own call.
    modele_.Rafraichir = [this] { montreProgres(); };
    modele_.Fermer = [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!ferme_)
                    accept();
            },
            Qt::QueuedConnection);
    };
    FormCreate();
    setFixedSize(sizeHint());
}

TSudokuDiaGenere::~TSudokuDiaGenere() {
    if (!ferme_) {
        litControles();
        modele_.Fermeture();
    }
}

std::array<QCheckBox*, 5> TSudokuDiaGenere::cases() const {
    return {chkUniqueCache, chkVerrouille, chkUpletNu, chkUpletCache, chkAutre};
}

void TSudokuDiaGenere::FormCreate() {
    montreRegles();
    (modele_.AuMoins == 1 ? rbAucuneAutre : rbAutresRegles)->setChecked(true);
    chkEnregistre->setChecked(modele_.Enregistre);
    edNomFich->setText(ToQString(modele_.NomFich));
    edNomFich->setCursorPosition(0);
    montreProgres();
    montreEtat();
}

void TSudokuDiaGenere::litControles() {
    const std::array<QCheckBox*, 5> boites = cases();
    for (size_t i = 0; i < boites.size(); ++i)
        modele_.Regles[i] = boites[i]->isChecked();
    modele_.AuMoins = rbAucuneAutre->isChecked() ? 1 : 0;
    modele_.Enregistre = chkEnregistre->isChecked();
    modele_.NomFich = edNomFich->text().toStdString();
}

void TSudokuDiaGenere::montreRegles() {
    const std::array<QCheckBox*, 5> boites = cases();
    for (size_t i = 0; i < boites.size(); ++i)
        boites[i]->setChecked(modele_.Regles[i]);
}

void TSudokuDiaGenere::montreEtat() {
    const bool enCours = modele_.EnCours();
    ui->gbRegles->setEnabled(!enCours);
    ui->rgAuMoins->setEnabled(!enCours);
    ui->gbResultats->setEnabled(!enCours);
    const bool fichier = chkEnregistre->isChecked();
    ui->lbNomFich->setEnabled(fichier);
    edNomFich->setEnabled(fichier);
    btParcourir->setEnabled(fichier);
    btREchercher->setEnabled(!enCours);
    btArreter->setEnabled(enCours);
}

void TSudokuDiaGenere::montreProgres() {
    const std::string& etudiees = modele_.TexteEtudiees();
    lb->setText(etudiees.empty() ? QStringLiteral("0") : ToQString(etudiees));
    lb2->setText(ToQString(modele_.TexteEnregistres()));
}

void TSudokuDiaGenere::btSelectAlL2Click() {
    litControles();
    modele_.CocheTout();
    montreRegles();
}

void TSudokuDiaGenere::btEfface2Click() {
    litControles();
    modele_.EffaceTout();
    montreRegles();
}

void TSudokuDiaGenere::btInverse2Click() {
    litControles();
    modele_.Inverse();
    montreRegles();
}

void TSudokuDiaGenere::btParcourirClick() {
    std::string chemin = edNomFich->text().toStdString();
    if (!::Ui().OpenFileName(kTitreBase, kFiltreBase, chemin))
        return;
    edNomFich->setText(ToQString(chemin));
    edNomFich->setCursorPosition(0);
}

void TSudokuDiaGenere::btREchercherClick() {
    litControles();
    if (!modele_.Rechercher())
        return;
    montreProgres();
    montreEtat();
}

void TSudokuDiaGenere::btArreterClick() {
    modele_.Arreter();
}

void TSudokuDiaGenere::btAideClick() {
    Aide(kAideSujet, 0);
}

void TSudokuDiaGenere::done(int result) {
    if (!ferme_) {
        ferme_ = true;
        litControles();
        // The grid being studied is finished first: a few seconds at most.
        std::optional<TWaitCursor> attente;
        if (modele_.EnCours())
            attente.emplace();
        modele_.Fermeture();
    }
    QDialog::done(result);
}
