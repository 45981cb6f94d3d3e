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
    : QDialog(parent), ui(std::make_unique<Forms::Ui::TSudokuDiaGenere>()), model_(model) {
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
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
    model_.Rafraichir = [this] { montreProgres(); };
    model_.Fermer = [this] {
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
        model_.Fermeture();
    }
}

std::unique_ptr<QDialog> TSudokuDiaGenere::Cree(TFormModel& model, QWidget* parent) {
    auto* modele = dynamic_cast<SudokuDiaGenereModele*>(&model);
    if (modele == nullptr)
        return nullptr;
    return std::make_unique<TSudokuDiaGenere>(*modele, parent);
}

std::array<QCheckBox*, 5> TSudokuDiaGenere::cases() const {
    return {chkUniqueCache, chkVerrouille, chkUpletNu, chkUpletCache, chkAutre};
}

void TSudokuDiaGenere::FormCreate() {
    montreRegles();
    (model_.AuMoins == 1 ? rbAucuneAutre : rbAutresRegles)->setChecked(true);
    chkEnregistre->setChecked(model_.Enregistre);
    edNomFich->setText(ToQString(model_.NomFich));
    edNomFich->setCursorPosition(0);
    montreProgres();
    montreEtat();
}

void TSudokuDiaGenere::litControles() {
    const std::array<QCheckBox*, 5> boites = cases();
    for (size_t i = 0; i < boites.size(); ++i)
        model_.Regles[i] = boites[i]->isChecked();
    model_.AuMoins = rbAucuneAutre->isChecked() ? 1 : 0;
    model_.Enregistre = chkEnregistre->isChecked();
    model_.NomFich = edNomFich->text().toStdString();
}

void TSudokuDiaGenere::montreRegles() {
    const std::array<QCheckBox*, 5> boites = cases();
    for (size_t i = 0; i < boites.size(); ++i)
        boites[i]->setChecked(model_.Regles[i]);
}

void TSudokuDiaGenere::montreEtat() {
    const bool enCours = model_.EnCours();
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
    const std::string& etudiees = model_.TexteEtudiees();
    lb->setText(etudiees.empty() ? QStringLiteral("0") : ToQString(etudiees));
    lb2->setText(ToQString(model_.TexteEnregistres()));
}

void TSudokuDiaGenere::btSelectAlL2Click() {
    litControles();
    model_.CocheTout();
    montreRegles();
}

void TSudokuDiaGenere::btEfface2Click() {
    litControles();
    model_.EffaceTout();
    montreRegles();
}

void TSudokuDiaGenere::btInverse2Click() {
    litControles();
    model_.Inverse();
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
    if (!model_.Rechercher())
        return;
    montreProgres();
    montreEtat();
}

void TSudokuDiaGenere::btArreterClick() {
    model_.Arreter();
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
        if (model_.EnCours())
            attente.emplace();
        model_.Fermeture();
    }
    QDialog::done(result);
}
