#include "host/forms/PropFormWidget.h"

#include "host/Composant.h"
#include "host/Consigne.h"
#include "host/forms/ColorButton.h"
#include "host/forms/NumberEdits.h"
#include "host/forms/QtConversions.h"
#include "host/forms/TPagePosition.h"
#include "host/forms/UpDown.h"
#include "platform/UserInterface.h"
#include "ui_TCadreStyle.h"
#include "ui_TPagePosition.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>

#include <stdexcept>

TPropFormWidget::TPropFormWidget(TComposant* composant, const std::string& nom, TableCles table,
                                 QWidget* parent)
    : QWidget(parent), TPropForm(composant, nom, table) {
    setObjectName(ToQString(nom));
}

TPropFormWidget::TPropFormWidget(TComposant* composant, const std::string& nom,
                                 std::vector<std::string> cles, QWidget* parent)
    : QWidget(parent), TPropForm(composant, nom, std::move(cles)) {
    setObjectName(ToQString(nom));
}

int TPropFormWidget::indexCle(std::string_view nom) const {
    const Cle* cle = TrouveCle(Table(), nom);
    return cle != nullptr ? int(cle - Table().data()) : -1;
}

void TPropFormWidget::lie(QObject* controle, int index, Controle type) {
    if (index >= 0 && index < int(Table().size()))
        liens_.push_back({controle, index, type});
}

std::optional<int> TPropFormWidget::valeurCle(int index) const {
    TComposant* composant = Composant();
    const Cle& cle = Table()[std::size_t(index)];
    if (cle.champ != nullptr) {
        int taille = 0;
        const ChampCle champ = cle.champ(composant->Options(taille));
        if (champ.entier)
            return champ.entier.Get();
        return std::nullopt;
    }
    if (cle.nom == "Detachable")
        return composant->Detachable ? 1 : 0;
    if (cle.nom == "Actif")
        return composant->Activable() ? 1 : 0;
    if (cle.lecture != Lecture::Drapeau)
        return std::nullopt;
    const std::optional<std::string> texte = texteCle(index);
    if (!texte)
        return std::nullopt;
    return *texte == "1" ? 1 : 0;
}

std::optional<std::string> TPropFormWidget::texteCle(int index) const {
    const std::string_view nom = Table()[std::size_t(index)].nom;
    for (const TCleValeur& reglage : Composant()->ReglagesFeuille())
        if (reglage.cle == nom)
            return reglage.valeur;
    return std::nullopt;
}

QString TPropFormWidget::texteGeometrie(int index) const {
    const TComposant& composant = *Composant();
    const vlRect r = composant.Rect.Normalise();
    const vlPoint marges = composant.OrgMarges();
    const int valeurs[] = {r.left - marges.x, r.top - marges.y, r.Width(), r.Height()};
    return ::Centimetres(valeurs[index]);
}

void TPropFormWidget::RemplirLies() {
    if (Composant() == nullptr)
        return;
    remplirCadreStyle();
    if (consigne_ != nullptr)
        consigne_->setText(QString::fromStdString(TexteConsigne(Composant()->Consigne())));
    for (const Lien& lien : liens_) {
        if (Table()[std::size_t(lien.index)].lecture == Lecture::Geometrie) {
            if (auto* edit = qobject_cast<QLineEdit*>(lien.controle))
                edit->setText(texteGeometrie(lien.index));
            continue;
        }
        const std::optional<int> valeur = valeurCle(lien.index);
        if (!valeur) {
            if (lien.type == Controle::Edit)
                if (const std::optional<std::string> texte = texteCle(lien.index))
                    static_cast<QLineEdit*>(lien.controle)->setText(QString::fromStdString(*texte));
            continue;
        }
        switch (lien.type) {
        case Controle::Edit:
            static_cast<QLineEdit*>(lien.controle)->setText(QString::number(*valeur));
            break;
        case Controle::Combo:
            static_cast<QComboBox*>(lien.controle)->setCurrentIndex(*valeur);
            break;
        case Controle::Radio:
            if (QAbstractButton* bouton =
                    static_cast<QButtonGroup*>(lien.controle)->button(*valeur))
                bouton->setChecked(true);
            break;
        case Controle::Check:
            static_cast<QCheckBox*>(lien.controle)->setChecked(*valeur != 0);
            break;
        case Controle::Couleur:
            static_cast<TColorButton*>(lien.controle)->SetColor(TColor(*valeur));
            break;
        }
    }
}

void TPropFormWidget::envoie(int index, const std::string& valeur) {
    if (MiseAJour())
        return;
    EcrireOptions(index, valeur);
}

void TPropFormWidget::LieEdit(QLineEdit* edit, int index) {
    connect(edit, &QLineEdit::returnPressed, this, [this, edit, index] {
        envoie(index, edit->text().toStdString());
        edit->selectAll();
    });
    edit->installEventFilter(this);
    edits_.emplace_back(edit, index);
    lie(edit, index, Controle::Edit);
}

void TPropFormWidget::LieUpDown(TUpDown* upDown, int index) {
    if (index >= 0 && index < int(Table().size())) {
        const Cle& cle = Table()[std::size_t(index)];
        if (cle.lecture == Lecture::Entier)
            upDown->SetRange(cle.min, cle.max);
    }
    connect(upDown, &TUpDown::released, this, [this, upDown, index] {
        if (upDown->Associate() != nullptr)
            envoie(index, upDown->Associate()->text().toStdString());
    });
}

void TPropFormWidget::LieCombo(QComboBox* combo, int index) {
    lie(combo, index, Controle::Combo);
    connect(combo, &QComboBox::currentIndexChanged, this,
            [this, index](int item) { envoie(index, std::to_string(item)); });
}

QButtonGroup* TPropFormWidget::GroupeRadio(const char* nom,
                                           std::initializer_list<QAbstractButton*> boutons) {
    auto* groupe = new QButtonGroup(this);
    groupe->setObjectName(QString::fromUtf8(nom));
    int id = 0;
    for (QAbstractButton* bouton : boutons)
        groupe->addButton(bouton, id++);
    return groupe;
}

void TPropFormWidget::LieRadio(QButtonGroup* group, int index) {
    lie(group, index, Controle::Radio);
    connect(group, &QButtonGroup::idClicked, this,
            [this, index](int id) { envoie(index, std::to_string(id)); });
}

void TPropFormWidget::LieCheck(QCheckBox* check, int index) {
    lie(check, index, Controle::Check);
    connect(check, &QCheckBox::clicked, this,
            [this, index](bool checked) { envoie(index, checked ? "1" : "0"); });
}

void TPropFormWidget::LieCouleur(TColorButton* button, int index) {
    lie(button, index, Controle::Couleur);
    connect(button, &TColorButton::colorChosen, this,
            [this, index](TColor colour) { envoie(index, std::to_string(colour)); });
}

void TPropFormWidget::LieFonte(QAbstractButton* button, int index,
                               std::function<std::string()> courante) {
    connect(button, &QAbstractButton::clicked, this, [this, index, courante] {
        TFontChoice choice{courante()};
        if (Ui().ChooseFont(choice))
            envoie(index, choice.text);
    });
}

void TPropFormWidget::LieAction(QAbstractButton* button, int index) {
    connect(button, &QAbstractButton::clicked, this, [this, index] { envoie(index, ""); });
}

void TPropFormWidget::LieControlesNommes() {
    std::vector<std::pair<TUpDown*, int>> fleches;
    std::vector<std::pair<int, QLineEdit*>> editsNommes;
    for (QWidget* controle : findChildren<QWidget*>()) {
        const QVariant nom = controle->property("cle");
        if (!nom.isValid())
            continue;
        const int index = indexCle(nom.toString().toStdString());
        if (index < 0)
            throw std::logic_error("the control " + controle->objectName().toStdString() +
                                   " names the unknown key " + nom.toString().toStdString());
        if (auto* check = qobject_cast<QCheckBox*>(controle))
            LieCheck(check, index);
        else if (auto* combo = qobject_cast<QComboBox*>(controle))
            LieCombo(combo, index);
        else if (auto* couleur = qobject_cast<TColorButton*>(controle))
            LieCouleur(couleur, index);
        else if (auto* edit = qobject_cast<QLineEdit*>(controle))
            editsNommes.emplace_back(index, edit);
        else if (auto* upDown = qobject_cast<TUpDown*>(controle))
            fleches.emplace_back(upDown, index);
        else if (auto* bouton = qobject_cast<QAbstractButton*>(controle))
            LieAction(bouton, index);
        else
            throw std::logic_error("the control " + controle->objectName().toStdString() +
                                   " cannot edit its key");
    }
    for (const auto& [index, edit] : editsNommes)
        LieEdit(edit, index);
    for (const auto& [upDown, index] : fleches) {
        for (const auto& [indexEdit, edit] : editsNommes)
            if (indexEdit == index)
                upDown->SetAssociate(edit);
        LieUpDown(upDown, index);
    }
}

std::string TPropFormWidget::Centimetres(int tenths) const {
    return ::Centimetres(tenths).toStdString();
}

bool TPropFormWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        for (const auto& [edit, index] : edits_) {
            if (edit != watched)
                continue;
            if (event->type() == QEvent::FocusIn)
                OnEditEnter(index);
            else
                OnEditExit(index);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TPropFormWidget::LiePagePosition(TPagePosition* page) {
    LieCommuns(page->Controles().edOrgX, page->Controles().edOrgY, page->Controles().edSizeX,
               page->Controles().edSizeY, page->Controles().chkDetachable,
               page->Controles().chkActif);
    LieConsigne(page->Controles().edConsigne);
}

void TPropFormWidget::LieConsigne(QLineEdit* edit) {
    consigne_ = edit;
    connect(edit, &QLineEdit::returnPressed, this, [this, edit] {
        EcrireCleCommune("Consigne", edit->text().toStdString());
        edit->selectAll();
    });
}

void TPropFormWidget::LieCommuns(QLineEdit* orgX, QLineEdit* orgY, QLineEdit* sizeX,
                                 QLineEdit* sizeY, QCheckBox* detachable, QCheckBox* actif) {
    LieEdit(orgX, 0);
    LieEdit(orgY, 1);
    LieEdit(sizeX, 2);
    LieEdit(sizeY, 3);
    LieCheck(detachable, indexCle("Detachable"));
    LieCheck(actif, indexCle("Actif"));
}

void TPropFormWidget::LieCadreStyle(TCadreStyle* style, ChoixCleStyle choix) {
    if (!choix) {
        choix = [this](TCadreStyle::Champ champ) {
            static constexpr const char* noms[] = {"StylePinceauCadre", "CouleurPinceauCadre",
                                                   "TaillePinceauCadre", "StyleBrosseFond",
                                                   "CouleurBrosseFond"};
            return indexCle(noms[champ]);
        };
    }
    cadreStyle_ = style;
    choixStyle_ = std::move(choix);
    connect(style, &TCadreStyle::Change, this,
            [this](TCadreStyle::Champ champ, const std::string& valeur) {
                const int index = choixStyle_(champ);
                if (index >= 0)
                    envoie(index, valeur);
            });
    // A colour given to a clear brush makes it solid: the style list follows.
    connect(style, &TCadreStyle::Change, this, [this](TCadreStyle::Champ champ) {
        if (champ == TCadreStyle::CouleurBrosse)
            rafraichirSiLibre();
    });
    const int taille = choixStyle_(TCadreStyle::TaillePinceau);
    if (taille >= 0 && Table()[std::size_t(taille)].lecture == Lecture::Entier)
        style->Controles().UpDown1->SetRange(Table()[std::size_t(taille)].min,
                                             Table()[std::size_t(taille)].max);
}

void TPropFormWidget::remplirCadreStyle() {
    if (cadreStyle_ == nullptr)
        return;
    bool brosse = false;
    for (const TCadreStyle::Champ champ :
         {TCadreStyle::StylePinceau, TCadreStyle::CouleurPinceau, TCadreStyle::TaillePinceau,
          TCadreStyle::StyleBrosse, TCadreStyle::CouleurBrosse}) {
        const int index = choixStyle_(champ);
        const std::optional<int> valeur = index >= 0 ? valeurCle(index) : std::nullopt;
        if (valeur)
            cadreStyle_->Montre(champ, *valeur);
        if (champ >= TCadreStyle::StyleBrosse && valeur)
            brosse = true;
    }
    cadreStyle_->Controles().gbFond->setEnabled(brosse);
}

void TPropFormWidget::LieMode(QAbstractButton* epreuve, QAbstractButton* corrige, int index) {
    const auto lieBouton = [this, index](QAbstractButton* bouton, QAbstractButton* autre,
                                         int mode) {
        bouton->setCheckable(true);
        connect(bouton, &QAbstractButton::clicked, this, [this, index, autre, mode](bool bas) {
            if (MiseAJour())
                return;
            if (bas)
                autre->setChecked(false);
            EcrireOptions(index, std::to_string(bas ? mode : 0));
        });
    };
    lieBouton(epreuve, corrige, 1);
    lieBouton(corrige, epreuve, 2);
}

void TPropFormWidget::MontrerMode(QAbstractButton* epreuve, QAbstractButton* corrige, int mode) {
    epreuve->setChecked(mode == 1);
    corrige->setChecked(mode == 2);
}

void TPropFormWidget::LieRadioChange(QButtonGroup* group, int index) {
    connect(group, &QButtonGroup::idToggled, this, [this, index](int id, bool checked) {
        if (checked && !MiseAJour())
            EcrireOptions(index, std::to_string(id));
    });
}

void TPropFormWidget::RafraichirApresEdit(QLineEdit* edit) {
    connect(edit, &QLineEdit::returnPressed, this, [this, edit] {
        rafraichirSiLibre();
        edit->selectAll();
    });
}

void TPropFormWidget::rafraichirSiLibre() {
    // A control set during a refresh signals too: refreshing again from there would end the
    // outer refresh's updating flag early.
    if (!MiseAJour())
        Rafraichir();
}
