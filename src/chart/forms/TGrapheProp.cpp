#include "chart/forms/TGrapheProp.h"

#include "chart/Graphe.h"
#include "chart/GrapheCles.h"
#include "host/forms/ColorButton.h"
#include "host/forms/TPagePosition.h"
#include "host/forms/UpDown.h"

#include "ui_TCadreStyle.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The pages and the keys each shows, first to last index.
struct Page {
    const char* titre;
    int premier;
    int dernier;
};
constexpr Page kPages[] = {
    {"Panneau", CleGraphe::Fonte, CleGraphe::AligneLegende},
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

} // namespace

TGrapheProp::TGrapheProp(TvlGraphe& composant, QWidget* parent)
    : TPropFormWidget(&composant, "GrapheProp", kClesGraphe, parent), graphe_(composant) {
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
        defilement->setWidget(page);
        defilement->setWidgetResizable(true);
        onglets->addTab(defilement, p.titre);
    }

    auto* const bas = new QHBoxLayout;
    btEpreuve_ = new QToolButton(this);
    btEpreuve_->setObjectName("btEpreuve");
    btEpreuve_->setText("Épreuve");
    btEpreuve_->setCheckable(true);
    btEpreuve_->setToolTip("Affichage «épreuve» seulement : le graphe disparaît du corrigé");
    btCorrige_ = new QToolButton(this);
    btCorrige_->setObjectName("btCorrige");
    btCorrige_->setText("Corrigé");
    btCorrige_->setCheckable(true);
    btCorrige_->setToolTip("Affichage «corrigé» seulement : le graphe disparaît de l'épreuve");
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
    switch (cle.lecture) {
    case Lecture::Drapeau:
    case Lecture::Libre: {
        auto* const check = new QCheckBox(nom, page->parentWidget());
        check->setObjectName("ck" + nom);
        check->setProperty("cle", nom);
        page->addRow(check);
        return;
    }
    case Lecture::Couleur: {
        auto* const bouton = new TColorButton(page->parentWidget());
        bouton->setObjectName("bt" + nom);
        bouton->setProperty("cle", nom);
        page->addRow(nom, bouton);
        return;
    }
    case Lecture::Fonte: {
        auto* const bouton = new QPushButton("Police...", page->parentWidget());
        bouton->setObjectName("bt" + nom);
        const AccesChamp champ = cle.champ;
        LieFonte(bouton, index, [this, champ] {
            int taille = 0;
            return champ(graphe_.Options(taille)).fonte->ToString();
        });
        RafraichirApres(bouton, &QPushButton::clicked);
        page->addRow(nom, bouton);
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
        page->addRow(nom, ligne);
        return;
    }
    }
}

void TGrapheProp::RemplirControles() {
    MontrerMode(btEpreuve_, btCorrige_, graphe_.Bloc().Mode);
}
