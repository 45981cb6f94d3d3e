#include "chart/forms/TGrapheEdit2.h"

#include "chart/forms/GrapheDialogues.h"
#include "host/Document.h"
#include "host/Services.h"
#include "host/forms/NumberEdits.h"
#include "host/forms/QtConversions.h"
#include "platform/UserInterface.h"

#include "ui_TGrapheEdit2.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QToolBar>

#include <sstream>

namespace {

// The marks styles, in the chart's order.
constexpr const char* kStylesMarques[] = {"Valeur Y (X si histogramme horizontal)",
                                          "Pourcentage",
                                          "Libellé",
                                          "Libellé + pourcentage",
                                          "Libellé + Valeur",
                                          "Valeur + Libellé",
                                          "Pourcentage + total",
                                          "Libellé + pourcentage + total",
                                          "Valeur X"};

constexpr int kAideGraphe = 62;

std::vector<std::string> Lignes(const QString& texte) {
    std::vector<std::string> lignes;
    std::istringstream flux(texte.toStdString());
    for (std::string ligne; std::getline(flux, ligne);)
        lignes.push_back(ligne);
    return lignes;
}

QString Texte(const std::vector<std::string>& lignes) {
    QStringList l;
    for (const std::string& ligne : lignes)
        l << ToQString(ligne);
    return l.join(QLatin1Char('\n'));
}

ZoneGrille Zone(const GridRange& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// The document's grid components, by name.
std::vector<GrilleSource> Grilles(const TvlGraphe* graphe) {
    std::vector<GrilleSource> grilles;
    const auto* document =
        graphe != nullptr ? dynamic_cast<const TDocument*>(graphe->Interface()) : nullptr;
    if (document == nullptr)
        return grilles;
    for (int i = 0; i < document->NbComposants(); ++i) {
        const TComposant& c = document->Composant(i);
        if (c.NomType == "Grille")
            grilles.push_back({c.Nom(), c.Identifiant()});
    }
    return grilles;
}

} // namespace

// ---- the grid ----

void TGrilleGraphe::paintEvent(QPaintEvent* event) {
    TSuperGrille::paintEvent(event);
    const SuperGridModel& g = Grille();
    if (!Couleur || g.RowCount() <= kLigneCouleur || g.RowTop(kLigneCouleur) < 0)
        return;
    QPainter painter(viewport());
    const GridRange choix = g.Selection();
    for (int c = std::max(1, g.LeftCol()); c < g.ColCount(); ++c) {
        const int gauche = g.ColLeft(c);
        if (gauche < 0 || gauche > viewport()->width())
            break;
        const QRect cellule(gauche, g.RowTop(kLigneCouleur), g.ColWidth(c),
                            g.RowHeight(kLigneCouleur));
        // The colour number is not shown; a margin keeps the selection visible around it.
        const bool choisie = choix.Contains({c, kLigneCouleur});
        painter.fillRect(cellule.adjusted(2, 2, -2, -2),
                         choisie ? palette().highlight().color().lighter(170)
                                 : palette().base().color());
        painter.setPen(palette().mid().color());
        painter.setBrush(Couleur(c));
        painter.drawRect(cellule.adjusted(4, 4, -5, -5));
    }
}

void TGrilleGraphe::keyPressEvent(QKeyEvent* event) {
    SuperGridModel& g = Grille();
    const int ligne = g.Current().row;
    const bool nombre = ligne == kLigneX || ligne == kLigneY;
    g.SetAcceptedCharactersOn(nombre);
    g.decimalInput = nombre;
    // The colour row is chosen with "Couleur...", never typed.
    const bool saisie = !event->text().isEmpty() && event->text().at(0).isPrint();
    const bool edition = event->key() == Qt::Key_F2 || event->key() == Qt::Key_Backspace;
    if (ligne == kLigneCouleur && (saisie || edition) && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    TSuperGrille::keyPressEvent(event);
}

// ---- the editor ----

TGrapheEdit2::TGrapheEdit2(GrapheEdit2Modele& modele, QWidget* parent)
    : TModelDialog(modele, parent) {
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    for (const char* type : kTypesSerie)
        ui->cbType->addItem(QString::fromUtf8(type));
    ui->cbType->setPlaceholderText(QStringLiteral("(à choisir)"));
    for (const char* style : kStylesMarques)
        ui->cbMarques->addItem(QString::fromUtf8(style));
    SuperGridModel& g = ui->Grille->Grille();
    g.SetAcceptedCharacters(" 0123456789eE+-.,", false);
    g.columnMargin = 4;
    g.defaultRowHeight = ui->Grille->fontMetrics().height() + 8;
    ui->Grille->Couleur = [this](int col) {
        if (!aSerie())
            return QColor(Qt::white);
        const auto& points = modele_.series[std::size_t(courante())].points;
        return col >= 1 && col <= int(points.size())
                   ? ToQColor(points[std::size_t(col - 1)].couleur)
                   : QColor(Qt::white);
    };
    creeMenus();
    montreSeries();
    montrePanneau();

    connect(ui->Grille, &TSuperGrille::cellsChanged, this, &TGrapheEdit2::grilleVersModele);
    connect(ui->TabSet, &QTabBar::currentChanged, this, [this](int index) {
        if (affichage_ || index < 0)
            return;
        ui->Grille->Grille().EndEdit(true);
        modele_.courante = index;
        montreSerie();
    });
    connect(ui->edNomSerie, &QLineEdit::textEdited, this, [this](const QString& texte) {
        if (!aSerie())
            return;
        modele_.series[std::size_t(courante())].titre = texte.toStdString();
        ui->TabSet->setTabText(courante(), texte);
        change();
    });
    connect(ui->cbType, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (affichage_ || !aSerie())
            return;
        modele_.series[std::size_t(courante())].type = index;
        change();
    });
    connect(ui->cbMarques, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (affichage_ || !aSerie())
            return;
        modele_.series[std::size_t(courante())].styleMarques = index;
        change();
    });
    for (QLineEdit* e : {ui->edTitreX, ui->edTitreY, static_cast<QLineEdit*>(ui->edMinX),
                         static_cast<QLineEdit*>(ui->edMaxX), static_cast<QLineEdit*>(ui->edMinY),
                         static_cast<QLineEdit*>(ui->edMaxY)})
        connect(e, &QLineEdit::textEdited, this, &TGrapheEdit2::change);
    for (QPlainTextEdit* m : {ui->memoTitre, ui->memoPied})
        connect(m, &QPlainTextEdit::textChanged, this, [this] {
            if (!affichage_)
                change();
        });
    for (QCheckBox* c : {ui->cbAutoX, ui->cbAutoY})
        connect(c, &QCheckBox::toggled, this, [this] {
            if (!affichage_)
                change();
            bornesActives();
        });
    connect(ui->btAppliquer, &QPushButton::clicked, this, &TGrapheEdit2::AppliquerClick);
    connect(ui->btTransferer, &QPushButton::clicked, this, &TGrapheEdit2::TransfererClick);
    connect(ui->btFermer, &QPushButton::clicked, this, &TGrapheEdit2::reject);
    resize(900, 560);
    ui->Grille->setFocus();
}

void TGrapheEdit2::creeMenus() {
    auto* menus = new QMenuBar(this);
    layout()->setMenuBar(menus);
    QMenu* serie = menus->addMenu(QStringLiteral("&Série"));
    serie->addActions({ui->acNouvelleSerie, ui->acSupprimerSerie});
    serie->addSeparator();
    serie->addActions({ui->acImporter, ui->acOrdre});
    QMenu* donnees = menus->addMenu(QStringLiteral("&Données"));
    donnees->addActions({ui->acAleatoire, ui->acSuites, ui->acRedimensionner, ui->acCouleur});
    donnees->addSeparator();
    donnees->addActions(ui->Grille->MenuContextuel()->actions());
    QMenu* graphe = menus->addMenu(QStringLiteral("&Graphe"));
    graphe->addActions({ui->acAppliquer, ui->acTransferer});
    menus->addMenu(QStringLiteral("&Aide"))->addAction(ui->acAide);

    outils_ = new QToolBar(this);
    outils_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    outils_->addActions({ui->acNouvelleSerie, ui->acSupprimerSerie, ui->acImporter, ui->acOrdre});
    outils_->addSeparator();
    outils_->addActions({ui->acAleatoire, ui->acSuites, ui->acRedimensionner, ui->acCouleur});
    outils_->addSeparator();
    outils_->addActions({ui->acAppliquer, ui->acTransferer, ui->acAide});
    auto* colonne = static_cast<QBoxLayout*>(layout());
    colonne->insertWidget(0, outils_);
    // The grid takes the room; the title and foot boxes hold a few lines.
    colonne->setStretchFactor(ui->Grille, 1);
    ui->Grille->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int lignes = ui->memoTitre->fontMetrics().lineSpacing() * 4 + 12;
    ui->memoTitre->setMaximumHeight(lignes);
    ui->memoPied->setMaximumHeight(lignes);
    for (QAction* a : outils_->actions())
        if (a->toolTip() == a->iconText())
            a->setToolTip(a->text().remove(QLatin1Char('&')));

    connect(ui->acNouvelleSerie, &QAction::triggered, this, &TGrapheEdit2::NouvelleSerieClick);
    connect(ui->acSupprimerSerie, &QAction::triggered, this, &TGrapheEdit2::SupprimerSerieClick);
    connect(ui->acImporter, &QAction::triggered, this, &TGrapheEdit2::ImporterClick);
    connect(ui->acOrdre, &QAction::triggered, this, &TGrapheEdit2::OrdreClick);
    connect(ui->acAleatoire, &QAction::triggered, this, &TGrapheEdit2::AleatoireClick);
    connect(ui->acSuites, &QAction::triggered, this, &TGrapheEdit2::SuitesClick);
    connect(ui->acRedimensionner, &QAction::triggered, this, &TGrapheEdit2::RedimensionnerClick);
    connect(ui->acCouleur, &QAction::triggered, this, &TGrapheEdit2::CouleurClick);
    connect(ui->acAide, &QAction::triggered, this, &TGrapheEdit2::AideClick);
    connect(ui->acAppliquer, &QAction::triggered, this, &TGrapheEdit2::AppliquerClick);
    connect(ui->acTransferer, &QAction::triggered, this, &TGrapheEdit2::TransfererClick);
}

int TGrapheEdit2::courante() const {
    return modele_.courante;
}

bool TGrapheEdit2::aSerie() const {
    return courante() >= 0 && courante() < int(modele_.series.size());
}

void TGrapheEdit2::change() {
    if (!affichage_)
        modifie_ = true;
}

// ---- model to controls ----

void TGrapheEdit2::montreSeries() {
    affichage_ = true;
    if (modele_.series.empty())
        modele_.courante = 0;
    else
        modele_.courante = std::clamp(modele_.courante, 0, int(modele_.series.size()) - 1);
    while (ui->TabSet->count() > 0)
        ui->TabSet->removeTab(0);
    for (std::size_t s = 0; s < modele_.series.size(); ++s) {
        const std::string& titre = modele_.series[s].titre;
        ui->TabSet->addTab(titre.empty() ? QStringLiteral("Série ") + QString::number(s + 1)
                                         : ToQString(titre));
    }
    ui->TabSet->setCurrentIndex(courante());
    affichage_ = false;
    montreSerie();
}

void TGrapheEdit2::montreSerie() {
    affichage_ = true;
    const bool serie = aSerie();
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui->edNomSerie, ui->cbType, ui->cbMarques, ui->Grille})
        w->setEnabled(serie);
    for (QAction* a : {ui->acSupprimerSerie, ui->acImporter, ui->acAleatoire, ui->acSuites,
                       ui->acRedimensionner, ui->acCouleur})
        a->setEnabled(serie);
    ui->acOrdre->setEnabled(modele_.series.size() > 1);
    const SerieEdition vide;
    const SerieEdition& s = serie ? modele_.series[std::size_t(courante())] : vide;
    ui->edNomSerie->setText(ToQString(s.titre));
    ui->cbType->setCurrentIndex(s.type);
    ui->cbMarques->setCurrentIndex(s.styleMarques);

    SuperGridModel& g = ui->Grille->Grille();
    g.EndEdit(false);
    const int colonnes = serie ? modele_.Colonnes(courante()) : 0;
    g.SetSize(std::max(colonnes, 1) + 1, kLignesGrille);
    g.SetCell(0, 0, "");
    for (int l = 1; l < kLignesGrille; ++l)
        g.SetCell(0, l, kTitresLignes[l - 1]);
    for (int c = 1; c <= std::max(colonnes, 1); ++c)
        for (int l = 0; l < kLignesGrille; ++l)
            g.SetCell(c, l, c <= colonnes ? modele_.Cellule(courante(), l, c) : std::string());
    const QFontMetrics mesure = ui->Grille->fontMetrics();
    g.SetColWidth(0, mesure.horizontalAdvance(QStringLiteral("Ordonnée Y")) + 16);
    for (int c = 1; c < g.ColCount(); ++c) {
        int largeur = mesure.horizontalAdvance(QStringLiteral("000000")) + 16;
        for (int l = kLigneLibelle; l < kLigneCouleur; ++l)
            largeur = std::max(largeur, mesure.horizontalAdvance(ToQString(g.Cell(c, l))) + 16);
        g.SetColWidth(c, std::min(largeur, 240));
    }
    for (int l = 0; l < kLignesGrille; ++l)
        g.SetRowHeight(l, g.defaultRowHeight);
    const GridCoord cellule = g.Current();
    if (cellule.col >= g.ColCount() || cellule.row >= g.RowCount())
        g.SelectCell({1, kLigneLibelle});
    ui->Grille->Rafraichit();
    affichage_ = false;
}

void TGrapheEdit2::montrePanneau() {
    affichage_ = true;
    ui->memoTitre->setPlainText(Texte(modele_.titre));
    ui->memoPied->setPlainText(Texte(modele_.pied));
    ui->edTitreX->setText(ToQString(modele_.titreX));
    ui->edTitreY->setText(ToQString(modele_.titreY));
    ui->cbAutoX->setChecked(modele_.axeX.automatique);
    ui->cbAutoY->setChecked(modele_.axeY.automatique);
    ui->edMinX->SetValue(modele_.axeX.min);
    ui->edMaxX->SetValue(modele_.axeX.max);
    ui->edMinY->SetValue(modele_.axeY.min);
    ui->edMaxY->SetValue(modele_.axeY.max);
    bornesActives();
    affichage_ = false;
}

// An axis' ends are typed only when it is not automatic.
void TGrapheEdit2::bornesActives() {
    ui->edMinX->setEnabled(!ui->cbAutoX->isChecked());
    ui->edMaxX->setEnabled(!ui->cbAutoX->isChecked());
    ui->edMinY->setEnabled(!ui->cbAutoY->isChecked());
    ui->edMaxY->setEnabled(!ui->cbAutoY->isChecked());
}

// ---- controls to model ----

void TGrapheEdit2::litPanneau() {
    modele_.titre = Lignes(ui->memoTitre->toPlainText());
    modele_.pied = Lignes(ui->memoPied->toPlainText());
    modele_.titreX = ui->edTitreX->text().toStdString();
    modele_.titreY = ui->edTitreY->text().toStdString();
    modele_.axeX = {ui->cbAutoX->isChecked(), ui->edMinX->Value(), ui->edMaxX->Value()};
    modele_.axeY = {ui->cbAutoY->isChecked(), ui->edMinY->Value(), ui->edMaxY->Value()};
}

void TGrapheEdit2::grilleVersModele() {
    if (affichage_ || !aSerie())
        return;
    const SuperGridModel& g = ui->Grille->Grille();
    bool ecrit = false;
    for (int c = 1; c <= modele_.Colonnes(courante()); ++c)
        for (int l = kLigneLibelle; l < kLignesGrille; ++l)
            if (g.Cell(c, l) != modele_.Cellule(courante(), l, c))
                ecrit |= modele_.EcritCellule(courante(), l, c, g.Cell(c, l));
    if (ecrit)
        change();
    // A colour the model refused shows its colour again.
    affichage_ = true;
    SuperGridModel& grille = ui->Grille->Grille();
    for (int c = 1; c <= modele_.Colonnes(courante()); ++c)
        grille.SetCell(c, kLigneCouleur, modele_.Cellule(courante(), kLigneCouleur, c));
    affichage_ = false;
    ui->Grille->Rafraichit();
}

// ---- actions ----

void TGrapheEdit2::NouvelleSerieClick() {
    ui->Grille->Grille().EndEdit(true);
    modele_.AjouteSerie();
    change();
    montreSeries();
    ui->cbType->setFocus();
}

void TGrapheEdit2::SupprimerSerieClick() {
    if (!aSerie())
        return;
    ui->Grille->Grille().EndEdit(true);
    if (modele_.SuppressionAConfirmer(courante()) &&
        Ui().MessageBox("La série n'est pas vide\u00A0! Voulez-vous vraiment la supprimer\u00A0?",
                        "CONFIRMATION", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    modele_.SupprimeSerie(courante());
    change();
    montreSeries();
}

void TGrapheEdit2::ImporterClick() {
    if (!aSerie())
        return;
    ui->Grille->Grille().EndEdit(true);
    ModeleImport dialogue;
    dialogue.lien = modele_.series[std::size_t(courante())].lien;
    dialogue.grilles = Grilles(modele_.graphe);
    if (Ui().ShowModal(ModeleImport::Nom, dialogue) != mrOk)
        return;
    if (const TProjectInterface* document =
            modele_.graphe != nullptr ? modele_.graphe->Interface() : nullptr)
        modele_.LieImport(courante(), dialogue.lien, *document);
    else
        modele_.series[std::size_t(courante())].lien = dialogue.lien;
    change();
    montreSerie();
}

void TGrapheEdit2::OrdreClick() {
    ui->Grille->Grille().EndEdit(true);
    ModeleOrdre dialogue;
    for (std::size_t s = 0; s < modele_.series.size(); ++s) {
        dialogue.noms.push_back(ui->TabSet->tabText(int(s)).toStdString());
        dialogue.visibles.push_back(modele_.series[s].visible);
    }
    if (Ui().ShowModal(ModeleOrdre::Nom, dialogue) != mrOk || !modele_.Ordonne(dialogue.ordre))
        return;
    for (std::size_t i = 0; i < dialogue.ordre.size(); ++i)
        modele_.ChangeVisibilite(int(i), dialogue.visibles[std::size_t(dialogue.ordre[i])]);
    change();
    montreSeries();
}

void TGrapheEdit2::AleatoireClick() {
    if (!aSerie())
        return;
    ui->Grille->Grille().EndEdit(true);
    ModeleAleatoire dialogue;
    dialogue.reglages = ReglagesAleatoires::Memoire();
    if (Ui().ShowModal(ModeleAleatoire::Nom, dialogue) != mrOk)
        return;
    ReglagesAleatoires::Memoire() = dialogue.reglages;
    if (modele_.RemplitAleatoire(courante(), Zone(ui->Grille->Grille().Selection()),
                                 dialogue.reglages) > 0)
        change();
    montreSerie();
}

void TGrapheEdit2::SuitesClick() {
    if (!aSerie())
        return;
    ui->Grille->Grille().EndEdit(true);
    ModeleSuite dialogue;
    dialogue.reglages = suite_;
    if (Ui().ShowModal(ModeleSuite::Nom, dialogue) != mrOk)
        return;
    suite_ = dialogue.reglages;
    if (modele_.RemplitSuite(courante(), Zone(ui->Grille->Grille().Selection()), suite_) > 0)
        change();
    montreSerie();
}

void TGrapheEdit2::RedimensionnerClick() {
    if (!aSerie())
        return;
    ui->Grille->Grille().EndEdit(true);
    ModeleTaille dialogue;
    dialogue.colonnes = modele_.Colonnes(courante());
    if (Ui().ShowModal(ModeleTaille::Nom, dialogue) != mrOk)
        return;
    const int colonnes = EditionGraphe::BorneColonnes(dialogue.colonnes);
    if (colonnes == modele_.Colonnes(courante()))
        return;
    if (modele_.PerteAuRedimensionnement(courante(), colonnes) &&
        Ui().MessageBox("La diminution de taille va entraîner la disparition de données.\n"
                        "Confirmez-vous le changement de taille\u00A0?",
                        "SUPPRESSION DE DONNEES", MB_YESNO | MB_ICONWARNING) != IDYES)
        return;
    modele_.Redimensionne(courante(), colonnes);
    change();
    montreSerie();
}

void TGrapheEdit2::CouleurClick() {
    if (!aSerie())
        return;
    SuperGridModel& g = ui->Grille->Grille();
    g.EndEdit(true);
    const GridRange zone = g.Selection();
    const int derniere = std::min(zone.right, modele_.Colonnes(courante()));
    if (zone.left < 1 || zone.left > derniere)
        return;
    TColor couleur = ToTColor(ui->Grille->Couleur(zone.left));
    if (!Ui().ChooseColor(couleur))
        return;
    modele_.ColorieColonnes(courante(), zone.left, derniere, couleur);
    change();
    montreSerie();
}

void TGrapheEdit2::AideClick() {
    Aide(kAideGraphe, 0);
}

bool TGrapheEdit2::AppliquerClick() {
    ui->Grille->Grille().EndEdit(true);
    litPanneau();
    if (modele_.graphe != nullptr) {
        std::string message;
        if (!modele_.Transfere(*modele_.graphe, message)) {
            Ui().MessageBox(message, "ERREUR", MB_OK | MB_ICONERROR);
            return false;
        }
        ++modele_.transferts;
        // The page behind shows the chart as it is now.
        if (parentWidget() != nullptr)
            parentWidget()->update();
    }
    modifie_ = false;
    return true;
}

void TGrapheEdit2::TransfererClick() {
    if (AppliquerClick())
        done(mrOk);
}

void TGrapheEdit2::reject() {
    ui->Grille->Grille().EndEdit(true);
    if (modifie_ && Ui().MessageBox("Les modifications n'ont pas été transférées au graphe. "
                                    "Les abandonner\u00A0?",
                                    "CONFIRMATION", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    done(mrCancel);
}
