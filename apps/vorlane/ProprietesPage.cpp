#include "ProprietesPage.h"

#include "host/Planche.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TProprietesPage::TProprietesPage(const TPlanche& page, int numero, QWidget* parent)
    : QDialog(parent), edTitre(new QLineEdit(this)), cbEntete(new QCheckBox(this)),
      edNote(new QSpinBox(this)), cbReglure(new QComboBox(this)), cbNumeroter(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("Propriétés de la page %1").arg(numero));
    edTitre->setText(QString::fromStdString(page.Titre));
    edTitre->setMaxLength(TPlanche::kTitreMax);
    edTitre->setPlaceholderText(QStringLiteral("sans titre"));
    edTitre->setToolTip(
        QStringLiteral("Centré en haut de la page, %1 caractères au plus\u00A0; le corrigé écrit "
                       "«\u00A0Corrigé\u00A0» à côté.")
            .arg(TPlanche::kTitreMax));
    cbEntete->setText(
        QStringLiteral("Ligne «\u00A0Nom\u00A0: …  Prénom\u00A0: …  Date\u00A0: …\u00A0»"));
    cbEntete->setChecked(page.Entete);
    edNote->setRange(0, TPlanche::kNoteMax);
    edNote->setValue(page.Note);
    edNote->setSpecialValueText(QStringLiteral("sans cadre de note"));
    edNote->setPrefix(QStringLiteral("sur "));
    edNote->setToolTip(QStringLiteral("Le total du cadre de note, de 1 à %1 («\u00A0… / "
                                      "20\u00A0»)\u00A0; 0\u00A0: sans cadre.")
                           .arg(TPlanche::kNoteMax));

    cbReglure->addItems({QStringLiteral("aucune (quadrillage à l'écran seulement)"),
                         QStringLiteral("carreaux"), QStringLiteral("Seyès"),
                         QStringLiteral("lignes")});
    cbReglure->setCurrentIndex(int(page.Reglure));
    cbReglure->setToolTip(QStringLiteral(
        "Le papier imprimé en clair sous les exercices\u00A0: les carreaux de la page, "
        "la réglure Seyès (interlignes de 2 mm, lignes grasses et verticales "
        "tous les 8 mm, marge rouge à gauche) ou des lignes."));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Titre\u00A0:"), edTitre);
    form->addRow(QString(), cbEntete);
    form->addRow(QStringLiteral("&Note\u00A0:"), edNote);
    form->addRow(QStringLiteral("&Réglure\u00A0:"), cbReglure);
    cbNumeroter->setObjectName(QStringLiteral("cbNumeroter"));
    cbNumeroter->addItems({QStringLiteral("sans numéro"), QStringLiteral("1.  2.  3. …"),
                           QStringLiteral("Exercice 1\u00A0:  Exercice 2\u00A0: …")});
    cbNumeroter->setCurrentIndex(page.NumeroterConsignes);
    cbNumeroter->setToolTip(QStringLiteral("Numéros des consignes des composants, de haut en bas "
                                           "puis de gauche à droite"));
    form->addRow(QStringLiteral("Numéroter les &consignes\u00A0:"), cbNumeroter);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(
        QStringLiteral(
            "L'en-tête prend le haut de la page\u00A0: les exercices commencent dessous."),
        this));
    layout->addWidget(buttons);
}

bool TProprietesPage::Applique(TPlanche& page) const {
    TPlanche changed = page;
    changed.Titre = edTitre->text().trimmed().toStdString();
    changed.Entete = cbEntete->isChecked();
    changed.Note = edNote->value();
    changed.Reglure = TPlanche::TypeReglure(cbReglure->currentIndex());
    changed.NumeroterConsignes = cbNumeroter->currentIndex();
    if (changed.Titre == page.Titre && changed.Entete == page.Entete && changed.Note == page.Note &&
        changed.Reglure == page.Reglure && changed.NumeroterConsignes == page.NumeroterConsignes)
        return false;
    page = changed;
    return true;
}
