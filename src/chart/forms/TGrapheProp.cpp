#include "chart/forms/TGrapheProp.h"

#include "chart/Graphe.h"
#include "chart/GrapheCles.h"
#include "host/forms/ColorButton.h"
#include "host/forms/StyleCombos.h"
#include "host/forms/TPagePosition.h"
#include "host/forms/UpDown.h"

#include "ui_TCadreStyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The pages and the keys each shows, first to last index, then the later keys it shows too.
struct Page {
    const char* titre;
    int premier;
    int dernier;
    std::initializer_list<int> aussi = {};
};
const Page kPages[] = {
    {"Panneau",
     CleGraphe::Fonte,
     CleGraphe::AligneLegende,
     {CleGraphe::GradientVisible, CleGraphe::Hachures}},
    {"Titres et légende", CleGraphe::FonteTitre, CleGraphe::CadreAnnotation},
    {"Axes", CleGraphe::FonteAxes, CleGraphe::AnnotationsVisibles},
    {"Murs et 3D", CleGraphe::FondTransparent, CleGraphe::Orthogonal3D},
};

// Keys shown elsewhere (position page, frame pen, version buttons, the refresh button) or
// that the chart cannot show.
bool Ailleurs(int index) {
    switch (index) {
    case CleGraphe::Mode:
    case CleGraphe::Detachable:
    case CleGraphe::Actif:
    case CleGraphe::StylePinceauCadre:
    case CleGraphe::CouleurPinceauCadre:
    case CleGraphe::TaillePinceauCadre:
    case CleGraphe::MiseAJour:
    case CleGraphe::CouleurRect:
    case CleGraphe::FondTransparent:
    case CleGraphe::MurTransparentGauche:
    case CleGraphe::MurTransparentFond:
    case CleGraphe::MurTransparentBas:
        return true;
    default:
        return false;
    }
}

// What each key is called in the window, and the choices of the keys that take a few values
// (in value order).
struct Libelle {
    int index;
    const char* texte;
    std::initializer_list<const char*> choix = {};
};
const Libelle kLibelles[] = {
    {CleGraphe::Fonte, "Police du texte"},
    {CleGraphe::CouleurFond, "Couleur du fond"},
    {CleGraphe::CouleurGradientDeb, "Dégradé\u00A0: couleur de départ"},
    {CleGraphe::CouleurGradientFin, "Dégradé\u00A0: couleur d'arrivée"},
    {CleGraphe::GradientVisible, "Fond en dégradé"},
    {CleGraphe::Hachures, "Séries hachurées (pour imprimer en noir et blanc)"},
    {CleGraphe::DirectionGradient,
     "Sens du dégradé",
     {"De haut en bas", "De bas en haut", "De gauche à droite", "De droite à gauche"}},
    {CleGraphe::AligneTitre, "Titre aligné", {"À gauche", "À droite", "Au centre"}},
    {CleGraphe::AlignePied, "Pied aligné", {"À gauche", "À droite", "Au centre"}},
    {CleGraphe::AligneLegende, "Légende placée", {"À gauche", "À droite", "En haut", "En bas"}},
    {CleGraphe::FonteTitre, "Police du titre"},
    {CleGraphe::FontePied, "Police du pied"},
    {CleGraphe::FonteLegende, "Police de la légende"},
    {CleGraphe::VisibleTitre, "Titre visible"},
    {CleGraphe::VisiblePied, "Pied visible"},
    {CleGraphe::VisibleLegende, "Légende visible"},
    {CleGraphe::FonteAnnotation, "Police des étiquettes de valeur"},
    {CleGraphe::CouleurLegende, "Fond de la légende"},
    {CleGraphe::CouleurAnnotation, "Fond des étiquettes de valeur"},
    {CleGraphe::CadreAnnotation, "Étiquettes de valeur encadrées"},
    {CleGraphe::FonteAxes, "Police des graduations"},
    {CleGraphe::AxeGauche, "Axe vertical visible"},
    {CleGraphe::AxeBas, "Axe horizontal visible"},
    {CleGraphe::AxeProfondeur, "Axe de profondeur visible"},
    {CleGraphe::FonteAxesTitre, "Police des titres d'axes"},
    {CleGraphe::AxesInversesX, "Axe horizontal inversé"},
    {CleGraphe::LibellesAffichesX, "Graduations de l'axe horizontal"},
    {CleGraphe::LibellesSurAxesX, "Graduations horizontales dans la longueur de l'axe"},
    {CleGraphe::AxesInversesY, "Axe vertical inversé"},
    {CleGraphe::LibellesAffichesY, "Graduations de l'axe vertical"},
    {CleGraphe::LibellesSurAxesY, "Graduations verticales dans la hauteur de l'axe"},
    {CleGraphe::AnnotationsVisibles, "Étiquettes de valeur visibles"},
    {CleGraphe::BrosseMurGauche, "Mur de gauche\u00A0: motif"},
    {CleGraphe::CouleurMurGauche, "Mur de gauche\u00A0: couleur"},
    {CleGraphe::TailleMurGauche, "Mur de gauche\u00A0: épaisseur (0 à 100)"},
    {CleGraphe::BrosseMurFond, "Mur du fond\u00A0: motif"},
    {CleGraphe::CouleurMurFond, "Mur du fond\u00A0: couleur"},
    {CleGraphe::TailleMurFond, "Mur du fond\u00A0: épaisseur (0 à 100)"},
    {CleGraphe::BrosseMurBas, "Sol\u00A0: motif"},
    {CleGraphe::CouleurMurBas, "Sol\u00A0: couleur"},
    {CleGraphe::TailleMurBas, "Sol\u00A0: épaisseur (0 à 100)"},
    {CleGraphe::MursVisibles, "Murs visibles"},
    {CleGraphe::Vue3D, "Vue en relief (3D)"},
    {CleGraphe::Pourcentage3D, "Profondeur du relief (0 à 100 %)"},
    {CleGraphe::Rotation3D, "Rotation (0 à 359 degrés)"},
    {CleGraphe::Orthogonal3D, "Relief oblique (sans rotation)"},
};

const Libelle* LibelleDe(int index) {
    for (const Libelle& l : kLibelles)
        if (l.index == index)
            return &l;
    return nullptr;
}

bool EstMotif(int index) {
    return index == CleGraphe::BrosseMurGauche || index == CleGraphe::BrosseMurFond ||
           index == CleGraphe::BrosseMurBas;
}

} // namespace

TGrapheProp::TGrapheProp(TvlGraphe& composant, QWidget* parent)
    : TPropFormWidget(&composant, "GrapheProp", kClesGraphe, parent) {
    auto* const racine = new QVBoxLayout(this);
    auto* const onglets = new QTabWidget(this);
    racine->addWidget(onglets);

    auto* const position = new TPagePosition(onglets);
    auto* const cadre = new TCadreStyle(onglets);
    auto* const pagePosition = new QWidget(onglets);
    auto* const colonne = new QVBoxLayout(pagePosition);
    colonne->addWidget(position);
    colonne->addWidget(cadre);
    colonne->addStretch();
    onglets->addTab(pagePosition, "Position");

    for (const Page& p : kPages) {
        auto* const defilement = new QScrollArea(onglets);
        auto* const page = new QWidget(defilement);
        auto* const formulaire = new QFormLayout(page);
        for (int i = p.premier; i <= p.dernier; ++i)
            if (!Ailleurs(i))
                AjouteControle(formulaire, i);
        for (const int i : p.aussi)
            AjouteControle(formulaire, i);
        defilement->setWidget(page);
        defilement->setWidgetResizable(true);
        onglets->addTab(defilement, p.titre);
    }

    auto* const bas = new QHBoxLayout;
    btEpreuve_ = new QToolButton(this);
    btEpreuve_->setObjectName("btEpreuve");
    btEpreuve_->setText("Épreuve");
    btEpreuve_->setCheckable(true);
    btEpreuve_->setToolTip(
        "Affichage «\u00A0épreuve\u00A0» seulement\u00A0: le graphe disparaît du corrigé");
    btCorrige_ = new QToolButton(this);
    btCorrige_->setObjectName("btCorrige");
    btCorrige_->setText("Corrigé");
    btCorrige_->setCheckable(true);
    btCorrige_->setToolTip(
        "Affichage «\u00A0corrigé\u00A0» seulement\u00A0: le graphe disparaît de l'épreuve");
    auto* const btMiseAJour = new QPushButton("Relire les grilles liées", this);
    btMiseAJour->setObjectName("btMiseAJour");
    btMiseAJour->setProperty("cle", "MiseAJour");
    bas->addWidget(btEpreuve_);
    bas->addWidget(btCorrige_);
    bas->addStretch();
    bas->addWidget(btMiseAJour);
    racine->addLayout(bas);

    LieControlesNommes();
    LiePagePosition(position);
    // The chart's frame has a pen and no brush of its own (its background is a panel key).
    cadre->Controles().gbFond->hide();
    LieCadreStyle(cadre, [](TCadreStyle::Champ champ) {
        switch (champ) {
        case TCadreStyle::StylePinceau:
            return int(CleGraphe::StylePinceauCadre);
        case TCadreStyle::CouleurPinceau:
            return int(CleGraphe::CouleurPinceauCadre);
        case TCadreStyle::TaillePinceau:
            return int(CleGraphe::TaillePinceauCadre);
        default:
            return -1;
        }
    });
    LieMode(btEpreuve_, btCorrige_, CleGraphe::Mode);
    RafraichirApres(btMiseAJour, &QPushButton::clicked);
}

void TGrapheProp::AjouteControle(QFormLayout* page, int index) {
    const Cle& cle = kClesGraphe[std::size_t(index)];
    const QString nom = QString::fromUtf8(cle.nom.data(), qsizetype(cle.nom.size()));
    const Libelle* libelle = LibelleDe(index);
    const QString texte = libelle != nullptr ? QString::fromUtf8(libelle->texte) : nom;
    // The key as sheets spell it, for teachers who write them.
    const QString cleFeuille = "Clé de feuille\u00A0: " + nom;
    if (libelle != nullptr && (libelle->choix.size() > 0 || EstMotif(index))) {
        QComboBox* const combo = EstMotif(index) ? new TBrushStyleCombo(page->parentWidget())
                                                 : new QComboBox(page->parentWidget());
        for (const char* choix : libelle->choix)
            combo->addItem(QString::fromUtf8(choix));
        combo->setObjectName("cb" + nom);
        combo->setProperty("cle", nom);
        combo->setToolTip(cleFeuille);
        page->addRow(texte, combo);
        return;
    }
    switch (cle.lecture) {
    case Lecture::Drapeau:
    case Lecture::Libre: {
        auto* const check = new QCheckBox(texte, page->parentWidget());
        check->setToolTip(cleFeuille);
        check->setObjectName("ck" + nom);
        check->setProperty("cle", nom);
        page->addRow(check);
        return;
    }
    case Lecture::Couleur: {
        auto* const bouton = new TColorButton(page->parentWidget());
        bouton->setObjectName("bt" + nom);
        bouton->setProperty("cle", nom);
        bouton->setToolTip(cleFeuille);
        page->addRow(texte, bouton);
        return;
    }
    case Lecture::Fonte: {
        auto* const bouton = new QPushButton("Police...", page->parentWidget());
        bouton->setObjectName("bt" + nom);
        const AccesChamp champ = cle.champ;
        LieFonte(bouton, index, [this, champ] {
            int taille = 0;
            return champ(graphe().Options(taille)).fonte->ToString();
        });
        RafraichirApres(bouton, &QPushButton::clicked);
        bouton->setToolTip(cleFeuille);
        page->addRow(texte, bouton);
        return;
    }
    default: {
        auto* const ligne = new QWidget(page->parentWidget());
        auto* const disposition = new QHBoxLayout(ligne);
        disposition->setContentsMargins(0, 0, 0, 0);
        auto* const edit = new QLineEdit(ligne);
        edit->setObjectName("ed" + nom);
        edit->setProperty("cle", nom);
        disposition->addWidget(edit);
        if (cle.lecture == Lecture::Entier) {
            auto* const fleches = new TUpDown(ligne);
            fleches->setObjectName("ud" + nom);
            fleches->setProperty("cle", nom);
            disposition->addWidget(fleches);
        }
        ligne->setToolTip(cleFeuille);
        page->addRow(texte, ligne);
        return;
    }
    }
}

TvlGraphe& TGrapheProp::graphe() const {
    return dynamic_cast<TvlGraphe&>(*Composant());
}

void TGrapheProp::RemplirControles() {
    MontrerMode(btEpreuve_, btCorrige_, graphe().Bloc().Mode);
}
