#include "sudoku/forms/TSudokuProp.h"

#include "host/forms/ColorButton.h"
#include "host/forms/QtConversions.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/UpDown.h"
#include "sudoku/Sudoku.h"
#include "sudoku/SudokuBase.h"
#include "sudoku/SudokuCles.h"
#include "sudoku/SudokuDiaImages.h"

// The generated form declares a namespace Ui, which the user-interface service's Ui() also
// names: it is renamed here.
#define Ui UiSudokuProp
#include "ui_TSudokuProp.h"
#undef Ui

#include <QButtonGroup>
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
    : TPropFormWidget(&composant, composant.NomProp(), kClesSudoku, parent) {
    Ui_TSudokuProp ui;
    ui.setupUi(this);
    pcProp = ui.pcProp;
    edOrgX = ui.edOrgX;
    edOrgY = ui.edOrgY;
    edSizeX = ui.edSizeX;
    edSizeY = ui.edSizeY;
    chkDetachable = ui.chkDetachable;
    chkActif = ui.chkActif;
    cbPenStyle = ui.cbPenStyle;
    btCoulPinceau = ui.btCoulPinceau;
    edTaillePen = ui.edTaillePen;
    UpDown1 = ui.UpDown1;
    cbBrushStyle = ui.cbBrushStyle;
    btCoulBrosse = ui.btCoulBrosse;
    edNiveau = ui.edNiveau;
    udNiveau = ui.udNiveau;
    edNbValeurs = ui.edNbValeurs;
    udNbValeurs = ui.udNbValeurs;
    btConstruire = ui.btConstruire;
    btRechercheAvancee = ui.btRechercheAvancee;
    btTransforme = ui.btTransforme;
    btCopier = ui.btCopier;
    btColler = ui.btColler;
    mmInformation = ui.mmInformation;
    btFonte = ui.btFonte;
    btFonteCursive = ui.btFonteCursive;
    lbFonteCourante = ui.lbFonteCourante;
    btCouleurCorrige = ui.btCouleurCorrige;
    btChargerImages = ui.btChargerImages;
    btEffacerImages = ui.btEffacerImages;
    chkAjuster = ui.chkAjuster;
    chkTransparent = ui.chkTransparent;
    clbRegles = ui.clbRegles;
    lbPathBdd = ui.lbPathBdd;
    btOuvrirBdd = ui.btOuvrirBdd;
    btPremier = ui.btPremier;
    btPrecedent = ui.btPrecedent;
    btSuivant = ui.btSuivant;
    btDernier = ui.btDernier;
    edEnrCourant = ui.edEnrCourant;
    btRechercheAvancee2 = ui.btRechercheAvancee2;

    rgTypeGrille = new QButtonGroup(this);
    int type = 0;
    for (QRadioButton* bouton : {ui.rbType0, ui.rbType1, ui.rbType2, ui.rbType3})
        rgTypeGrille->addButton(bouton, type++);
    UpDown1->SetAssociate(edTaillePen);
    udNiveau->SetAssociate(edNiveau);
    udNbValeurs->SetAssociate(edNbValeurs);
    // The filter uses the counters 0 to 12; the last name (completed grids) is not stored in
    // the database's keys.
    for (int regle = 0; regle < TailleCle; ++regle) {
        auto* item = new QListWidgetItem(TvlSudoku::NomsRegles()[size_t(regle)], clbRegles);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    mmInformation->setLineWrapMode(QPlainTextEdit::NoWrap);

    LieCommuns(edOrgX, edOrgY, edSizeX, edSizeY, chkDetachable, chkActif);
    LieCombo(cbPenStyle, CleSudoku::StylePinceauCadre);
    LieCouleur(btCoulPinceau, CleSudoku::CouleurPinceauCadre);
    LieEdit(edTaillePen, CleSudoku::TaillePinceauCadre);
    LieUpDown(UpDown1, CleSudoku::TaillePinceauCadre);
    LieCombo(cbBrushStyle, CleSudoku::StyleBrosseFond);
    LieCouleur(btCoulBrosse, CleSudoku::CouleurBrosseFond);

    LieRadio(rgTypeGrille, CleSudoku::TypeGrille);
    LieEdit(edNiveau, CleSudoku::Niveau);
    LieUpDown(udNiveau, CleSudoku::Niveau);
    LieEdit(edNbValeurs, CleSudoku::NbValeurs);
    LieUpDown(udNbValeurs, CleSudoku::NbValeurs);
    LieAction(btConstruire, CleSudoku::CalculerGrille);
    lieValeur(btRechercheAvancee, CleSudoku::Thread, "0");
    LieAction(btTransforme, CleSudoku::Transforme);
    LieAction(btCopier, CleSudoku::Copier);
    LieAction(btColler, CleSudoku::Coller);

    LieFonte(btFonte, CleSudoku::Fonte, [this] { return sudoku().Bloc().Police.ToString(); });
    connect(btFonteCursive, &QPushButton::clicked, this, &TSudokuProp::btFonteCursiveClick);
    LieCouleur(btCouleurCorrige, CleSudoku::CouleurCorrige);
    connect(btChargerImages, &QPushButton::clicked, this, &TSudokuProp::btChargerImagesClick);
    LieAction(btEffacerImages, CleSudoku::EffacerImages);
    LieCheck(chkAjuster, CleSudoku::RespecterProportions);
    LieCheck(chkTransparent, CleSudoku::Transparent);

    connect(clbRegles, &QListWidget::itemChanged, this, &TSudokuProp::clbReglesClickCheck);
    connect(btOuvrirBdd, &QPushButton::clicked, this, &TSudokuProp::btOuvrirBddClick);
    lieValeur(btPremier, CleSudoku::Enr, "0");
    lieValeur(btPrecedent, CleSudoku::Enr, "1");
    lieValeur(btSuivant, CleSudoku::Enr, "2");
    lieValeur(btDernier, CleSudoku::Enr, "3");
    LieEdit(edEnrCourant, CleSudoku::EnrCourant);
    lieValeur(btRechercheAvancee2, CleSudoku::Thread, "1");

    // Keys whose effect reaches other controls: a new puzzle (its rules, its type from a file
    // or a paste), the record moved to, the font, a clear background made solid by a colour.
    RafraichirApres(rgTypeGrille, &QButtonGroup::idClicked);
    RafraichirApresEdit(edNiveau);
    RafraichirApres(udNiveau, &TUpDown::released);
    RafraichirApresEdit(edNbValeurs);
    RafraichirApres(udNbValeurs, &TUpDown::released);
    RafraichirApresEdit(edEnrCourant);
    for (QPushButton* bouton : {btConstruire, btRechercheAvancee, btColler, btFonte, btPremier,
                                btPrecedent, btSuivant, btDernier, btRechercheAvancee2})
        RafraichirApres(bouton, &QPushButton::clicked);
    RafraichirApres(btCoulBrosse, &TColorButton::colorChosen);
}

TvlSudoku& TSudokuProp::sudoku() const {
    return dynamic_cast<TvlSudoku&>(*Composant());
}

void TSudokuProp::lieValeur(QAbstractButton* bouton, int index, const std::string& valeur) {
    connect(bouton, &QAbstractButton::clicked, this, [this, index, valeur] {
        if (!MiseAJour())
            EcrireOptions(index, valeur);
    });
}

std::string TSudokuProp::filtre() const {
    std::string texte(size_t(TailleCle), '0');
    for (int regle = 0; regle < TailleCle && regle < clbRegles->count(); ++regle)
        if (clbRegles->item(regle)->checkState() == Qt::Checked)
            texte[size_t(regle)] = '1';
    return texte;
}

void TSudokuProp::RemplirControles() {
    const SudokuOptions& bloc = sudoku().Bloc();
    QStringList lignes;
    for (const std::string& ligne : sudoku().Informations())
        lignes << ToQString(ligne);
    mmInformation->setPlainText(lignes.join(QLatin1Char('\n')));

    lbFonteCourante->setText(decritFonte(bloc.Police));

    for (int regle = 0; regle < TailleCle && regle < clbRegles->count(); ++regle)
        clbRegles->item(regle)->setCheckState(bloc.Filtre[regle] != 0 ? Qt::Checked
                                                                      : Qt::Unchecked);
    const QString chemin =
        ToQString(std::string(bloc.PathBdd, strnlen(bloc.PathBdd, sizeof bloc.PathBdd)));
    lbPathBdd->setText(chemin.isEmpty() ? QStringLiteral("(aucun fichier)")
                                        : QFileInfo(chemin).fileName());
    lbPathBdd->setToolTip(chemin);
    // Moving through the found puzzles needs a search that found one.
    const bool trouve = bloc.PremierTrouve >= 0;
    for (QPushButton* bouton : {btPremier, btPrecedent, btSuivant, btDernier})
        bouton->setEnabled(trouve);
}

void TSudokuProp::btFonteCursiveClick() {
    if (MiseAJour())
        return;
    Fonte cursive = sudoku().Bloc().Police;
    cursive.ChangeNom(kFaceCursive);
    cursive.Taille = kTailleCursive;
    cursive.Style = fsBold;
    EcrireOptions(CleSudoku::Fonte, cursive.ToString());
    Rafraichir();
}

void TSudokuProp::btChargerImagesClick() {
    // The pictures have no key: the dialog's OK puts them into the component itself.
    SudokuDiaImagesModele modele(&sudoku());
    if (::Ui().ShowModal(SudokuDiaImagesModele::NomFiche, modele) == mrOk && OnChange)
        OnChange();
}

void TSudokuProp::btOuvrirBddClick() {
    if (MiseAJour())
        return;
    const SudokuOptions& bloc = sudoku().Bloc();
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
