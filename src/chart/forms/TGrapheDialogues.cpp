#include "chart/forms/TGrapheDialogues.h"

#include "host/forms/NumberEdits.h"
#include "host/forms/QtConversions.h"

#include "ui_TGrapheAleatoire.h"
#include "ui_TGrapheImport.h"
#include "ui_TGrapheLien.h"
#include "ui_TGrapheOrdre.h"
#include "ui_TGrapheSuites.h"
#include "ui_TGrapheTaille.h"

#include <QButtonGroup>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace {

// OK and Annuler, OK running the dialog's own handler.
template <class Dialog> void BranchBoutons(Dialog* d, QDialogButtonBox* boutons) {
    boutons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    QObject::connect(boutons, &QDialogButtonBox::accepted, d, &Dialog::btOkClick);
    QObject::connect(boutons, &QDialogButtonBox::rejected, d, &QDialog::reject);
}

// Radio buttons named prefix0, prefix1... in one group, their ids their numbers.
QButtonGroup* Groupe(QWidget* parent, const char* prefixe, int nombre) {
    auto* groupe = new QButtonGroup(parent);
    for (int i = 0; i < nombre; ++i)
        groupe->addButton(parent->findChild<QAbstractButton*>(prefixe + QString::number(i)), i);
    return groupe;
}

constexpr const char* kPagesImport[] = {"Libellé", "Abscisse", "Ordonnée", "Couleur"};

} // namespace

// ---- random numbers ----

TGrapheAleatoire::TGrapheAleatoire(ModeleAleatoire& modele, QWidget* parent)
    : TModelDialog(modele, parent) {
    const ReglagesAleatoires& r = modele_.reglages;
    ui->edMin->SetValue(unsigned(std::max(0.0, r.minimum)));
    ui->edMax->SetValue(unsigned(std::max(0.0, r.maximum)));
    (r.multiplier ? ui->rbMultiplier : ui->rbDiviser)->setChecked(true);
    ui->edFacteur->SetValue(r.facteur);
    ui->edAjout->SetValue(r.ajout);
    BranchBoutons(this, ui->btBoutons);
}

void TGrapheAleatoire::btOkClick() {
    ReglagesAleatoires& r = modele_.reglages;
    r.minimum = ui->edMin->Value();
    r.maximum = ui->edMax->Value();
    r.multiplier = ui->rbMultiplier->isChecked();
    r.facteur = ui->edFacteur->Value();
    r.ajout = ui->edAjout->Value();
    done(mrOk);
}

// ---- sequences ----

TGrapheSuites::TGrapheSuites(ModeleSuite& modele, QWidget* parent) : TModelDialog(modele, parent) {
    const ReglagesSuite& r = modele_.reglages;
    auto* suites = Groupe(this, "rbSuite", int(std::size(kChoixSuite)));
    auto* casses = Groupe(this, "rbCasse", int(std::size(kCassesSuite)));
    if (QAbstractButton* b = suites->button(r.choix))
        b->setChecked(true);
    if (QAbstractButton* b = casses->button(r.casse))
        b->setChecked(true);
    ui->edDebut->SetValue(r.depart);
    ui->edMultiplicateur->SetValue(r.multiplicateur);
    // The multiplier counts for numbers only, the case for words only.
    const auto montre = [this, suites] {
        const int choix = suites->checkedId();
        ui->edMultiplicateur->setEnabled(choix == kChoixSuiteNumerique);
        ui->rgCasse->setEnabled(choix != kChoixSuiteNumerique && choix != kChoixSuiteArcEnCiel);
    };
    connect(suites, &QButtonGroup::idToggled, this, montre);
    montre();
    BranchBoutons(this, ui->btBoutons);
}

void TGrapheSuites::btOkClick() {
    ReglagesSuite& r = modele_.reglages;
    for (int i = 0; i < int(std::size(kChoixSuite)); ++i)
        if (findChild<QAbstractButton*>("rbSuite" + QString::number(i))->isChecked())
            r.choix = i;
    for (int i = 0; i < int(std::size(kCassesSuite)); ++i)
        if (findChild<QAbstractButton*>("rbCasse" + QString::number(i))->isChecked())
            r.casse = i;
    r.depart = ui->edDebut->Value();
    r.multiplicateur = ui->edMultiplicateur->Value();
    done(mrOk);
}

// ---- grid size ----

TGrapheTaille::TGrapheTaille(ModeleTaille& modele, QWidget* parent) : TModelDialog(modele, parent) {
    ui->edColonnes->setRange(EditionGraphe::kColonnesMin, EditionGraphe::kColonnesMax);
    ui->edColonnes->setValue(modele_.colonnes);
    BranchBoutons(this, ui->btBoutons);
}

void TGrapheTaille::btOkClick() {
    modele_.colonnes = ui->edColonnes->value();
    done(mrOk);
}

// ---- import links ----

TGrapheLien::TGrapheLien(const ModeleImport& modele, int attribut, QWidget* parent)
    : QWidget(parent), ui(MakeOwnedForm<Forms::Ui::TGrapheLien>()), attribut_(attribut) {
    ui->setupUi(this);
    const LienImport& l = modele.lien;
    const std::uint64_t source = l.Source[attribut];
    ui->cbSource->addItem(QStringLiteral("(aucun)"), QVariant::fromValue<qulonglong>(0));
    for (const GrilleSource& g : modele.grilles)
        ui->cbSource->addItem(ToQString(g.nom), QVariant::fromValue<qulonglong>(g.id));
    int choisi = ui->cbSource->findData(QVariant::fromValue<qulonglong>(source));
    if (choisi < 0) {
        // A grid no longer in the document: the link stays until it is changed.
        ui->cbSource->addItem(QStringLiteral("(grille introuvable)"),
                              QVariant::fromValue<qulonglong>(source));
        choisi = ui->cbSource->count() - 1;
    }
    ui->cbSource->setCurrentIndex(choisi);
    (l.Colonne[attribut] != 0 ? ui->rbColonne : ui->rbLigne)->setChecked(true);
    ui->edNumero->setValue(l.Numero[attribut]);
    ui->edPremier->setValue(l.Premier[attribut]);
    ui->edDernier->setValue(l.Dernier[attribut]);
}

void TGrapheLien::Ecrit(LienImport& lien) const {
    const int k = attribut_;
    lien.Source[k] = ui->cbSource->currentData().toULongLong();
    lien.Colonne[k] = ui->rbColonne->isChecked() ? 1 : 0;
    lien.Numero[k] = ui->edNumero->value();
    lien.Premier[k] = ui->edPremier->value();
    lien.Dernier[k] = ui->edDernier->value();
}

TGrapheImport::TGrapheImport(ModeleImport& modele, QWidget* parent) : TModelDialog(modele, parent) {
    for (int k = 0; k < 4; ++k) {
        pages_[std::size_t(k)] = new TGrapheLien(modele_, k, ui->Pages);
        pages_[std::size_t(k)]->setObjectName(QStringLiteral("Lien") + QString::number(k));
        ui->Pages->addTab(pages_[std::size_t(k)], QString::fromUtf8(kPagesImport[k]));
    }
    BranchBoutons(this, ui->btBoutons);
}

void TGrapheImport::btOkClick() {
    for (const TGrapheLien* page : pages_)
        page->Ecrit(modele_.lien);
    done(mrOk);
}

// ---- series order ----

TGrapheOrdre::TGrapheOrdre(ModeleOrdre& modele, QWidget* parent) : TModelDialog(modele, parent) {
    for (std::size_t i = 0; i < modele_.noms.size(); ++i) {
        auto* item = new QListWidgetItem(ToQString(modele_.noms[i]), ui->lstSeries);
        item->setData(Qt::UserRole, int(i));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const bool visible = i >= modele_.visibles.size() || modele_.visibles[i];
        item->setCheckState(visible ? Qt::Checked : Qt::Unchecked);
    }
    ui->lstSeries->setCurrentRow(0);
    connect(ui->btHaut, &QToolButton::clicked, this, [this] { Deplace(-1); });
    connect(ui->btBas, &QToolButton::clicked, this, [this] { Deplace(1); });
    BranchBoutons(this, ui->btBoutons);
}

void TGrapheOrdre::Deplace(int sens) {
    const int ligne = ui->lstSeries->currentRow();
    const int cible = ligne + sens;
    if (ligne < 0 || cible < 0 || cible >= ui->lstSeries->count())
        return;
    QListWidgetItem* item = ui->lstSeries->takeItem(ligne);
    ui->lstSeries->insertItem(cible, item);
    ui->lstSeries->setCurrentRow(cible);
}

void TGrapheOrdre::btOkClick() {
    modele_.ordre.clear();
    modele_.visibles.assign(modele_.noms.size(), true);
    for (int i = 0; i < ui->lstSeries->count(); ++i) {
        const QListWidgetItem* item = ui->lstSeries->item(i);
        const int ancien = item->data(Qt::UserRole).toInt();
        modele_.ordre.push_back(ancien);
        modele_.visibles[std::size_t(ancien)] = item->checkState() == Qt::Checked;
    }
    done(mrOk);
}
