#include "operation/forms/TOperProp.h"

#include "host/Composant.h"
#include "host/forms/ColorButton.h"
#include "host/forms/NumberEdits.h"
#include "host/forms/QtConversions.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/TPagePosition.h"
#include "host/forms/UpDown.h"
#include "operation/Operation.h"
#include "operation/OperationCles.h"
#include "operation/forms/ComboRecepteurs.h"
#include "platform/StringList.h"

#include "ui_TOperProp.h"

#include <QButtonGroup>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>
#include <array>
#include <initializer_list>

namespace {

constexpr const char* kSurfacePropre = "Surface propre";

// The numbers of each kind that can hold holes, bit 1 first.
const std::array<std::vector<const char*>, 4> kTrous{{
    {"Premier", "Dernier", "Milieu", "Résultat"},
    {"Premier opérande", "Deuxième opérande", "Résultat"},
    {"Multiplicande", "Multiplicateur", "Produit & rés. interm."},
    {"Dividende", "Diviseur", "Quotient & Rés. interm."},
}};

// The height of one item of a list: a line of text beside a check box.
int hauteurLigne(const QListWidget* liste) {
    const int indicateur = liste->style()->pixelMetric(QStyle::PM_IndicatorHeight);
    return std::max(liste->fontMetrics().height(), indicateur) + 6;
}

// The height of a list showing `lignes` items.
int hauteurLignes(const QListWidget* liste, int lignes) {
    return hauteurLigne(liste) * lignes + 2 * liste->frameWidth() + 4;
}

// "Andika 14, gras" for the font buttons' neighbours.
QString resumeFonte(const Fonte& f) {
    QString texte = ToQString(f.NomPolice()) + QStringLiteral(" ") + QString::number(f.Taille);
    if (f.Style & fsBold)
        texte += QStringLiteral(", gras");
    if (f.Style & fsItalic)
        texte += QStringLiteral(", italique");
    return texte;
}

} // namespace

TOperProp::TOperProp(TvlOperation& composant, QWidget* parent)
    : TKindPropForm(composant, "OperProp", kClesOperation, parent) {

    auto* const rbOperation = GroupeRadio("rbOperation", {ui_->rbEnLigne, ui_->rbPosee});
    auto* const rbTrousIsoles =
        GroupeRadio("rbTrousIsoles", {ui_->rbLigneEntiere, ui_->rbChiffresIsoles});
    auto* const rbDiff =
        GroupeRadio("rbDiff", {ui_->rbFacileMult, ui_->rbMoyenMult, ui_->rbDifficileMult});
    auto* const rbDiffDiv =
        GroupeRadio("rbDiffDiv", {ui_->rbFacileDiv, ui_->rbMoyenDiv, ui_->rbDifficileDiv});
    for (int type = 0; type < 4; ++type) {
        QListWidget* liste = listeTrous(type);
        liste->setUniformItemSizes(true);
        for (const char* texte : kTrous[std::size_t(type)]) {
            auto* item = new QListWidgetItem(QString::fromUtf8(texte), liste);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
            item->setSizeHint(QSize(0, hauteurLigne(liste)));
        }
        // Every item shows, and no room is wasted below them in a narrow dock.
        liste->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        liste->setFixedHeight(hauteurLignes(liste, liste->count()));
        lieTrous(liste);
    }
    ui_->lbRec->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ui_->lbRec->setMaximumHeight(hauteurLignes(ui_->lbRec, 5));
    ui_->cbRec->addItem(QString::fromUtf8(kSurfacePropre));
    ui_->cbRec->AvantOuverture = [this] { cbRecDropDown(); };

    LiePagePosition(ui_->pagePosition);
    LieCadreStyle(ui_->cadreStyle);
    LieFonte(ui_->btFonte1, CleOperation::Fonte,
             [this] { return this->composant().Reglages().Fonte.ToString(); });
    LieFonte(ui_->btFonte2, CleOperation::FonteCorrige,
             [this] { return this->composant().Reglages().FonteCorrige.ToString(); });
    LieRadio(rbOperation, CleOperation::OperationPosee);
    LieRadio(rbTrousIsoles, CleOperation::TrousIsoles);
    LieRadio(rbDiff, CleOperation::DifficulteMult);
    LieRadio(rbDiffDiv, CleOperation::DifficulteDiv);

    // Keys whose effect reaches other controls: the kind's page and holes, the fonts (both
    // keep one size), the hole groups.
    RafraichirApres(ui_->cbOperation, &QComboBox::currentIndexChanged);
    RafraichirApres(rbTrousIsoles, &QButtonGroup::idClicked);
    RafraichirApres(ui_->btFonte1, &QPushButton::clicked);
    RafraichirApres(ui_->btFonte2, &QPushButton::clicked);
    RafraichirApres(ui_->SpeedButton1, &QToolButton::clicked);

    connect(ui_->btTransfere, &QPushButton::clicked, this, &TOperProp::btTransfereClick);
    connect(ui_->btUp, &QPushButton::clicked, this, &TOperProp::btUpClick);
    connect(ui_->btDown, &QPushButton::clicked, this, &TOperProp::btDownClick);
    connect(ui_->btSupprime, &QPushButton::clicked, this, &TOperProp::btSupprimeClick);
}

QListWidget* TOperProp::listeTrous(int type) const {
    switch (type) {
    case OP_SOUSTRACTION:
        return ui_->lbOperSous;
    case OP_MULTIPLICATION:
        return ui_->lbOperMult;
    case OP_DIVISION:
        return ui_->lbOperDiv;
    default:
        return ui_->lbOperAdd;
    }
}

void TOperProp::lieTrous(QListWidget* liste) {
    connect(liste, &QListWidget::itemChanged, this, [this, liste] {
        if (MiseAJour())
            return;
        int bits = 0;
        for (int i = 0; i < liste->count(); ++i)
            if (liste->item(i)->checkState() == Qt::Checked)
                bits |= 1 << i;
        EcrireOptions(CleOperation::PositionTrous, std::to_string(bits));
    });
}

void TOperProp::RemplirControles() {
    const OperOptions& o = composant().Reglages();
    ui_->lbFonte1->setText(resumeFonte(o.Fonte));
    ui_->lbFonte2->setText(resumeFonte(o.FonteCorrige));
    remplirRecepteurs();

    const int type = std::clamp<int>(o.DefinitionOperandes.Operation, 0, 3);
    ui_->cbOperation->setCurrentIndex(type);
    for (int t = 0; t < 4; ++t) {
        QListWidget* liste = listeTrous(t);
        for (int i = 0; i < liste->count(); ++i)
            liste->item(i)->setCheckState((o.PositionTrous[t] >> i) & 1 ? Qt::Checked
                                                                        : Qt::Unchecked);
    }
    ui_->nbOper->setCurrentIndex(type);
    // The notebook takes the height of the kind shown, not of its tallest page.
    ui_->nbOper->setFixedHeight(ui_->nbOper->currentWidget()->sizeHint().height());
}

// ---- receivers ----

void TOperProp::remplirRecepteurs() {
    ui_->lbRec->clear();
    for (TComposant* recepteur : composant().Recepteurs) {
        auto* item = new QListWidgetItem(ToQString(recepteur->Nom()), ui_->lbRec);
        item->setSizeHint(QSize(0, hauteurLigne(ui_->lbRec)));
    }
}

void TOperProp::cbRecDropDown() {
    const QSignalBlocker bloque(ui_->cbRec);
    ui_->cbRec->clear();
    ui_->cbRec->addItem(QString::fromUtf8(kSurfacePropre));
    TStringList liste;
    if (TProjectInterface* projet = composant().Interface())
        projet->AjouteEmissions(liste, &composant());
    for (int i = 0; i < liste.Count(); ++i)
        ui_->cbRec->addItem(ToQString(liste[i]));
}

std::vector<TComposant*> TOperProp::recepteursListe() const {
    return composant().Recepteurs;
}

void TOperProp::etablirRecepteurs(const std::vector<TComposant*>& recepteurs,
                                  const std::vector<TComposant*>& selection) {
    TStringList liste;
    for (TComposant* recepteur : recepteurs)
        liste.AddObject(recepteur->Nom(), recepteur);
    composant().EtablirListeRecepteurs(liste);
    if (OnChange)
        OnChange();
    remplirRecepteurs();
    const std::vector<TComposant*>& montres = composant().Recepteurs;
    for (int i = 0; i < ui_->lbRec->count() && i < int(montres.size()); ++i)
        ui_->lbRec->item(i)->setSelected(std::find(selection.begin(), selection.end(),
                                                   montres[std::size_t(i)]) != selection.end());
}

void TOperProp::btTransfereClick() {
    if (ui_->cbRec->currentIndex() <= 0) {
        // "Surface propre": the exercises go back to the component itself.
        etablirRecepteurs({}, {});
        return;
    }
    // Only a component still offered (it may have gone since the list dropped down).
    TStringList offerts;
    if (TProjectInterface* projet = composant().Interface())
        projet->AjouteEmissions(offerts, &composant());
    const int offert = offerts.IndexOf(ui_->cbRec->currentText().toStdString());
    if (offert < 0)
        return;
    auto* choisi = static_cast<TComposant*>(offerts.Objects(offert));
    std::vector<TComposant*> recepteurs = recepteursListe();
    if (std::find(recepteurs.begin(), recepteurs.end(), choisi) != recepteurs.end())
        return;
    recepteurs.push_back(choisi);
    etablirRecepteurs(recepteurs, {choisi});
}

void TOperProp::deplaceSelection(int sens) {
    std::vector<TComposant*> recepteurs = recepteursListe();
    if (int(recepteurs.size()) != ui_->lbRec->count())
        return;
    std::vector<bool> choisis;
    std::vector<TComposant*> selection;
    for (int i = 0; i < ui_->lbRec->count(); ++i) {
        choisis.push_back(ui_->lbRec->item(i)->isSelected());
        if (choisis.back())
            selection.push_back(recepteurs[std::size_t(i)]);
    }
    if (selection.empty())
        return;
    const int n = int(recepteurs.size());
    // Each selected entry takes the place of its unselected neighbour; a block already at the
    // end stays.
    for (int k = 0; k < n; ++k) {
        const int i = sens < 0 ? k : n - 1 - k;
        const int j = i + sens;
        if (!choisis[std::size_t(i)] || j < 0 || j >= n || choisis[std::size_t(j)])
            continue;
        std::swap(recepteurs[std::size_t(i)], recepteurs[std::size_t(j)]);
        std::vector<bool>::swap(choisis[std::size_t(i)], choisis[std::size_t(j)]);
    }
    etablirRecepteurs(recepteurs, selection);
}

void TOperProp::btUpClick() {
    deplaceSelection(-1);
}

void TOperProp::btDownClick() {
    deplaceSelection(+1);
}

void TOperProp::btSupprimeClick() {
    const std::vector<TComposant*> recepteurs = recepteursListe();
    std::vector<TComposant*> gardes;
    for (int i = 0; i < ui_->lbRec->count() && i < int(recepteurs.size()); ++i)
        if (!ui_->lbRec->item(i)->isSelected())
            gardes.push_back(recepteurs[std::size_t(i)]);
    etablirRecepteurs(gardes, {});
}
