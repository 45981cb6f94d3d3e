#include "sudoku/forms/TSudokuProp.h"

#include "host/forms/ColorButton.h"
#include "host/forms/QtConversions.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/UpDown.h"
#include "sudoku/Sudoku.h"
#include "sudoku/SudokuBase.h"
#include "sudoku/SudokuCles.h"
#include "sudoku/SudokuDiaImages.h"
#include "sudoku/SudokuGeneration.h"

#include "ui_TSudokuProp.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>

#include <cstring>
#include <initializer_list>

namespace {

constexpr char kTitreBase[] = "Ouvrir une base de données Sudoku";
constexpr char kFiltreBase[] = "Base de données Sudoku (*.dat);;Tous les fichiers (*)";
constexpr char kFaceCursive[] = "CrayonL";
constexpr int kTailleCursive = 18;

QString decritFonte(const Fonte& police) {
    QString texte =
        ToQString(police.NomPolice()) + QStringLiteral(", %1 points").arg(police.Taille);
    if ((police.Style & fsBold) != 0)
        texte += QStringLiteral(", gras");
    if ((police.Style & fsItalic) != 0)
        texte += QStringLiteral(", italique");
    return texte;
}

} // namespace

TSudokuProp::TSudokuProp(TvlSudoku& composant, QWidget* parent)
    : TKindPropForm(composant, composant.NomProp(), kClesSudoku, parent) {

    auto* const rgTypeGrille =
        GroupeRadio("rgTypeGrille", {ui_->rbType0, ui_->rbType1, ui_->rbType2, ui_->rbType3});
    // The filter uses the counters 0 to 12; the last name (completed grids) is not stored in
    // the database's keys.
    for (int regle = 0; regle < TailleCle; ++regle) {
        auto* item = new QListWidgetItem(TvlSudoku::NomsRegles()[size_t(regle)], ui_->clbRegles);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    ui_->mmInformation->setLineWrapMode(QPlainTextEdit::NoWrap);

    LieCommuns(ui_->edOrgX, ui_->edOrgY, ui_->edSizeX, ui_->edSizeY, ui_->chkDetachable,
               ui_->chkActif);
    LieConsigne(ui_->edConsigne);

    LieRadio(rgTypeGrille, CleSudoku::TypeGrille);
    lieValeur(ui_->btRechercheAvancee, CleSudoku::Thread, "0");

    LieFonte(ui_->btFonte, CleSudoku::Fonte,
             [this] { return this->composant().Bloc().Police.ToString(); });
    connect(ui_->btFonteCursive, &QPushButton::clicked, this, &TSudokuProp::btFonteCursiveClick);
    connect(ui_->btChargerImages, &QPushButton::clicked, this, &TSudokuProp::btChargerImagesClick);

    connect(ui_->clbRegles, &QListWidget::itemChanged, this, &TSudokuProp::clbReglesClickCheck);
    connect(ui_->btOuvrirBdd, &QPushButton::clicked, this, &TSudokuProp::btOuvrirBddClick);
    lieValeur(ui_->btPremier, CleSudoku::Enr, "0");
    lieValeur(ui_->btPrecedent, CleSudoku::Enr, "1");
    lieValeur(ui_->btSuivant, CleSudoku::Enr, "2");
    lieValeur(ui_->btDernier, CleSudoku::Enr, "3");
    lieValeur(ui_->btRechercheAvancee2, CleSudoku::Thread, "1");

    // Keys whose effect reaches other controls: a new puzzle (its rules, its type from a file
    // or a paste), the record moved to, the font, a clear background made solid by a colour.
    RafraichirApres(rgTypeGrille, &QButtonGroup::idClicked);
    RafraichirApresEdit(ui_->edNiveau);
    RafraichirApres(ui_->udNiveau, &TUpDown::released);
    RafraichirApresEdit(ui_->edNbValeurs);
    RafraichirApres(ui_->udNbValeurs, &TUpDown::released);
    RafraichirApres(ui_->chkNiveauStrict, &QCheckBox::clicked);
    RafraichirApresEdit(ui_->edEnrCourant);
    for (QPushButton* bouton :
         {ui_->btConstruire, ui_->btRechercheAvancee, ui_->btColler, ui_->btFonte, ui_->btPremier,
          ui_->btPrecedent, ui_->btSuivant, ui_->btDernier, ui_->btRechercheAvancee2})
        RafraichirApres(bouton, &QPushButton::clicked);
    RafraichirApres(ui_->btCoulBrosse, &TColorButton::colorChosen);
}

void TSudokuProp::lieValeur(QAbstractButton* bouton, int index, const std::string& valeur) {
    connect(bouton, &QAbstractButton::clicked, this, [this, index, valeur] {
        if (!MiseAJour())
            EcrireOptions(index, valeur);
    });
}

std::string TSudokuProp::filtre() const {
    std::string texte(size_t(TailleCle), '0');
    for (int regle = 0; regle < TailleCle && regle < ui_->clbRegles->count(); ++regle)
        if (ui_->clbRegles->item(regle)->checkState() == Qt::Checked)
            texte[size_t(regle)] = '1';
    return texte;
}

void TSudokuProp::RemplirControles() {
    const SudokuOptions& bloc = composant().Bloc();
    QStringList lignes;
    for (const std::string& ligne : composant().Informations())
        lignes << ToQString(ligne);
    ui_->mmInformation->setPlainText(lignes.join(QLatin1Char('\n')));

    ui_->lbFonteCourante->setText(decritFonte(bloc.Police));
    // A small grid whose techniques stop short of the level says so.
    const std::string note = NoteNiveau(bloc.TypeGrille, bloc.Niveau);
    ui_->lbNoteNiveau->setText(ToQString(note));
    ui_->lbNoteNiveau->setVisible(!note.empty());

    for (int regle = 0; regle < TailleCle && regle < ui_->clbRegles->count(); ++regle)
        ui_->clbRegles->item(regle)->setCheckState(bloc.Filtre[regle] != 0 ? Qt::Checked
                                                                           : Qt::Unchecked);
    const QString chemin =
        ToQString(std::string(bloc.PathBdd, strnlen(bloc.PathBdd, sizeof bloc.PathBdd)));
    ui_->lbPathBdd->setText(chemin.isEmpty() ? QStringLiteral("(aucun fichier)")
                                             : QFileInfo(chemin).fileName());
    ui_->lbPathBdd->setToolTip(chemin);
    // Moving through the found puzzles needs a search that found one.
    const bool trouve = bloc.PremierTrouve >= 0;
    for (QPushButton* bouton : {ui_->btPremier, ui_->btPrecedent, ui_->btSuivant, ui_->btDernier})
        bouton->setEnabled(trouve);
}

void TSudokuProp::btFonteCursiveClick() {
    if (MiseAJour())
        return;
    Fonte cursive = composant().Bloc().Police;
    cursive.ChangeNom(kFaceCursive);
    cursive.Taille = kTailleCursive;
    cursive.Style = fsBold;
    EcrireOptions(CleSudoku::Fonte, cursive.ToString());
    Rafraichir();
}

void TSudokuProp::btChargerImagesClick() {
    // The pictures have no key: the dialog's OK puts them into the component itself.
    SudokuDiaImagesModele modele(&composant());
    if (::Ui().ShowModal(SudokuDiaImagesModele::NomFiche, modele) == mrOk && OnChange)
        OnChange();
}

void TSudokuProp::btOuvrirBddClick() {
    if (MiseAJour())
        return;
    const SudokuOptions& bloc = composant().Bloc();
    std::string chemin(bloc.PathBdd, strnlen(bloc.PathBdd, sizeof bloc.PathBdd));
    if (!::Ui().OpenFileName(kTitreBase, kFiltreBase, chemin))
        return;
    EcrireOptions(CleSudoku::PathBdd, chemin);
    Rafraichir();
}

void TSudokuProp::clbReglesClickCheck() {
    if (MiseAJour())
        return;
    EcrireOptions(CleSudoku::Recherche, filtre());
    Rafraichir();
}
